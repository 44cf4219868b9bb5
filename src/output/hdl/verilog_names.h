#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// Appends the name as the Verilog files write it: as it is where it is a
// simple identifier, otherwise as an escaped identifier, a backslash before
// and a blank after it.
void append_verilog_name(std::string& text, std::string_view name);

// A letter or an underscore, then letters, digits, underscores and dollar
// signs, and no keyword.
bool is_simple_identifier(std::string_view name);

// A keyword of Verilog-2005 or of SystemVerilog: a .v file is read as
// either, and the same text serves a .sv file.
bool is_verilog_keyword(std::string_view name);

}  // namespace hbpins
