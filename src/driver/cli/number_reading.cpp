#include "driver/cli/number_reading.h"

#include <limits>

#include "catalogue/number_classes.h"

namespace hbpins {

namespace {

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return std::numeric_limits<int>::max();
}

// Removes the base prefix from the front of text and returns the base.
unsigned take_base(std::string_view& text) {
  auto take = [&text](std::size_t length, unsigned base) {
    text.remove_prefix(length);
    return base;
  };
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) return take(1, 16);
  if (text.starts_with("0x") || text.starts_with("0X")) return take(2, 16);
  if (text.starts_with('%')) return take(1, 2);
  if (text.starts_with('&')) return take(1, 8);
  return 10;
}

}  // namespace

number_reading read_number(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (text.starts_with('+')) text.remove_prefix(1);
  const unsigned base = take_base(text);
  if (text.empty()) return {};
  std::uint64_t value = 0;
  constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
  for (char c : text) {
    const int digit = digit_value(c);
    if (digit >= static_cast<int>(base)) return {};
    if (value > (max - static_cast<unsigned>(digit)) / base) return {};
    value = value * base + static_cast<unsigned>(digit);
  }
  return {true, value};
}

std::optional<std::uint32_t> read_number_below(std::string_view text, std::uint32_t limit) {
  const number_reading reading = read_number(text);
  if (!reading.ok || reading.value >= limit) return std::nullopt;
  return static_cast<std::uint32_t>(reading.value);
}

std::optional<std::uint32_t> read_module_number(std::string_view text) {
  const std::optional<std::uint32_t> n = read_number_below(text, number_limit);
  if (!n || module_numbers.contains(*n)) return n;
  return *n + number_base;
}

}  // namespace hbpins
