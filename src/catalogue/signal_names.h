#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/number_classes.h"

namespace hbpins {

// Where a signal name opens and closes its index (positions from 0), or why
// it cannot be a VHDL port name. Any of (), <> and [] count as brackets.
struct bracket_scan {
  static constexpr std::size_t none = std::string_view::npos;
  std::string_view failure;  // the name check's message; empty for a good name
  std::size_t open = none;
  std::size_t close = none;
};
bracket_scan scan_brackets(std::string_view name);

// Digits only; an empty text or a value above the signed 16-bit range is no
// index.
std::optional<std::int16_t> parse_index(std::string_view digits);

// The vector a signal name is a bit of, where the name checks take it as one:
// "QM0_DIN<5>" is bit 5 of QM0_DIN.
struct vector_bit {
  std::string_view base_name;
  std::int16_t index = 0;
};
std::optional<vector_bit> vector_bit_of(std::string_view name);

// What the name checks make of a signal name, worked out once for each
// signal: the port it belongs to, as the length of the name before its
// index, and its bit where it is an element of a vector; or why it is no
// port name.
struct name_check {
  std::string_view failure;  // the check's message; empty for a port name
  std::size_t base_length = 0;
  std::optional<std::int16_t> index;  // set for an element of a vector
};
name_check check_name(std::string_view name);

// The port a checked name belongs to; empty where the checks refuse it.
std::string_view port_name(std::string_view name, const name_check& check);
std::optional<vector_bit> vector_bit_of(std::string_view name, const name_check& check);

// The names the modules give their signals: a letter, then letters, digits
// and underscores, and optionally a vector bit "<k>" with k written in
// decimal without leading zeros, within the signed 16-bit range.
bool is_module_signal_name(std::string_view name);
// Why a name is none: a message up to "found "; empty for a good name.
std::string_view module_signal_name_fault(std::string_view name);
inline constexpr std::string_view signal_name_expected =
    "signal: expected a letter, then letters, digits and underscores, and an optional bit <k>, "
    "found ";
inline constexpr std::string_view bit_without_leading_zeros_expected =
    "bit: expected a number without leading zeros, found ";


}  // namespace hbpins
