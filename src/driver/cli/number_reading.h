#pragma once

#include <cstdint>
#include <optional>
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

// A number as read_number reads it, that must be below limit to mean what
// it says: nothing for a failed reading or a value of limit or more.
std::optional<std::uint32_t> read_number_below(std::string_view text, std::uint32_t limit);

// Board and module numbers fit 16 bits, slot numbers and variants 8.
inline constexpr std::uint32_t number_limit = std::uint32_t{UINT16_MAX} + 1;
inline constexpr std::uint32_t byte_limit = std::uint32_t{UINT8_MAX} + 1;

// A module number as typed: the module numbers as they are, any other
// number short for number_base more (4 is module 704); nothing for 65536
// or more.
std::optional<std::uint32_t> read_module_number(std::string_view text);

}  // namespace hbpins
