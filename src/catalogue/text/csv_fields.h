#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// Appends a field of a CSV record (RFC 4180): as it is, or in quotes with
// its quotes doubled where it holds a comma, a quote or a line end.
void append_csv_field(std::string& text, std::string_view field);

}  // namespace hbpins
