#include "catalogue/text/csv_fields.h"

#include "catalogue/text/escaped_text.h"

namespace hbpins {

void append_quoted_csv_field(std::string& text, std::string_view field) {
  text += '"';
  append_escaped(
      text, field, [](char c) { return c == '"'; }, [](std::string& to, char) { to += "\"\""; });
  text += '"';
}

}  // namespace hbpins
