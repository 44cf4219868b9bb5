#pragma once

#include <cstdint>
#include <string_view>

namespace hbpins {

struct number_reading {
  bool ok = false;
  std::uint64_t value = 0;  // 0 whenever the reading failed
};

// Reads every number typed on the command line: leading blanks and tabs, an
// optional "+", a base prefix ("$", "x", "X", "0x", "0X" for hexadecimal, "%"
// for binary, "&" for octal, none for decimal), then digits of that base up to
// the end of the text. Anything else, or a value beyond 64 bits, fails.
number_reading read_number(std::string_view text);

}  // namespace hbpins
