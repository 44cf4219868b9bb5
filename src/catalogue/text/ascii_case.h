#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// Options, module files and UCF files take their words in any case. Only
// ASCII letters have a case here: any other byte stands for itself.
constexpr char upper_case(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upper_cased(std::string_view text);
bool equal_in_any_case(std::string_view a, std::string_view b);
bool ends_in_any_case(std::string_view text, std::string_view end);

}  // namespace hbpins
