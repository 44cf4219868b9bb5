#pragma once

#include <ostream>
#include <string_view>

namespace hbpins {

// Writes a text that was made whole, in one call of the stream.
inline void write_text(std::ostream& out, std::string_view text) {
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace hbpins
