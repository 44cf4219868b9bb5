#include "catalogue/text/decimal_field.h"

#include <algorithm>

namespace hbpins {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::uint32_t> decimal_number(std::string_view text) {
  if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), is_digit))
    return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) value = value * 10 + static_cast<std::uint32_t>(c - '0');
  return value;
}

bool has_leading_zero(std::string_view text) {
  return text.size() > 1 && text.front() == '0' && std::all_of(text.begin(), text.end(), is_digit);
}

}  // namespace hbpins
