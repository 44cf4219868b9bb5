#include "catalogue/ascii_case.h"

#include <algorithm>

namespace hbpins {

std::string upper_cased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), upper_case);
  return upper;
}

bool equal_in_any_case(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return upper_case(x) == upper_case(y); });
}

bool ends_in_any_case(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && equal_in_any_case(text.substr(text.size() - end.size()), end);
}

}  // namespace hbpins
