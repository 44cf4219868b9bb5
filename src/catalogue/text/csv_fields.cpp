#include "catalogue/text/csv_fields.h"

#include <algorithm>

#include "catalogue/text/escaped_text.h"

namespace hbpins {

namespace {

bool needs_csv_quotes(char c) {
  return c == ',' || c == '"' || c == '\r' || c == '\n';
}

}  // namespace

void append_csv_field(std::string& text, std::string_view field) {
  if (std::none_of(field.begin(), field.end(), needs_csv_quotes)) {
    text += field;
    return;
  }
  text += '"';
  append_escaped(
      text, field, [](char c) { return c == '"'; }, [](std::string& to, char) { to += "\"\""; });
  text += '"';
}

}  // namespace hbpins
