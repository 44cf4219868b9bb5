#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// Appends the name as the VHDL files write it: as it is where it is a basic
// identifier, otherwise as an extended identifier between backslashes (board
// 711's ACBUS_ ends in an underscore, which a basic identifier may not).
void append_vhdl_name(std::string& text, std::string_view name);

// A letter, then letters, digits and single underscores, not ending in one,
// and no reserved word.
bool is_basic_identifier(std::string_view name);

}  // namespace hbpins
