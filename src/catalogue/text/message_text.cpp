#include "catalogue/text/message_text.h"

namespace hbpins {

std::string quoted(std::string_view text) {
  static constexpr char hex[] = "0123456789ABCDEF";
  constexpr std::size_t shown = 40;
  std::string quoted(1, '"');
  for (const char c : text.substr(0, shown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"') {
      quoted += "\"\"";
    } else if (byte >= 0x20 && byte < 0x7f) {
      quoted += c;
    } else {
      quoted += "\\x";
      quoted += hex[byte >> 4];
      quoted += hex[byte & 0xf];
    }
  }
  quoted += text.size() > shown ? "...\"" : "\"";
  return quoted;
}

}  // namespace hbpins
