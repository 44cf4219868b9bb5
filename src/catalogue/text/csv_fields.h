#pragma once

#include <string>
#include <string_view>

namespace hbpins {

// A field that holds a comma, a quote or a line end goes in quotes.
constexpr bool needs_csv_quotes(std::string_view field) {
  for (const char c : field)
    if (c == ',' || c == '"' || c == '\r' || c == '\n') return true;
  return false;
}

// The field in quotes, its quotes doubled.
void append_quoted_csv_field(std::string& text, std::string_view field);

// Appends a field of a CSV record (RFC 4180): as it is, or in quotes where
// it needs them. Most fields need none, and take the short way.
inline void append_csv_field(std::string& text, std::string_view field) {
  if (needs_csv_quotes(field))
    append_quoted_csv_field(text, field);
  else
    text += field;
}

}  // namespace hbpins
