#include "catalogue/text/message_text.h"

#include "catalogue/text/escaped_text.h"

namespace hbpins {

namespace {

bool needs_escape(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return c == '"' || byte < 0x20 || byte >= 0x7f;
}

void append_escape(std::string& to, char c) {
  static constexpr char hex[] = "0123456789ABCDEF";
  const auto byte = static_cast<unsigned char>(c);
  if (c == '"')
    to += "\"\"";
  else
    (to += "\\x") += {hex[byte >> 4], hex[byte & 0xf]};
}

}  // namespace

std::string quoted(std::string_view text) {
  constexpr std::size_t shown = 40;
  std::string quoted(1, '"');
  append_escaped(quoted, text.substr(0, shown), needs_escape, append_escape);
  quoted += text.size() > shown ? "...\"" : "\"";
  return quoted;
}

}  // namespace hbpins
