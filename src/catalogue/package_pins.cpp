#include "catalogue/package_pins.h"

#include <optional>

namespace hbpins {

namespace {

constexpr std::string_view row_letters = "ABCDEFGHJKLMNPRTUVWY";
constexpr int letter_count = static_cast<int>(row_letters.size());

// A number from 1 up, written without leading zeros; nothing otherwise.
std::optional<int> pin_number(std::string_view digits) {
  if (digits.empty() || digits.size() > 4 || digits[0] == '0') return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The row a row name stands for, as append_row_name writes it.
std::optional<int> row_number(std::string_view name) {
  int row = -1;
  for (const char c : name) {
    const std::size_t letter = row_letters.find(c);
    if (letter == std::string_view::npos) return std::nullopt;
    row = (row + 1) * letter_count + static_cast<int>(letter);
  }
  return name.empty() || name.size() > 2 ? std::nullopt : std::optional(row);
}

}  // namespace

std::size_t pin_count(const package_shape& package) {
  const std::size_t rows = package.rows;
  if (package.layout == package_layout::quad_flat) return 4 * rows;
  return package.layout == package_layout::ball_grid ? rows * package.columns : 0;
}

void append_row_name(std::string& text, int row) {
  if (row >= letter_count) text += row_letters[row / letter_count - 1];
  text += row_letters[row % letter_count];
}

bool is_package_location(const package_shape& package, std::string_view location) {
  if (package.layout == package_layout::quad_flat) {
    const std::optional<int> number = pin_number(location);
    return number && *number <= static_cast<int>(pin_count(package));
  }
  if (package.layout != package_layout::ball_grid) return false;
  const std::size_t digits = location.find_first_of("0123456789");
  if (digits == std::string_view::npos) return false;
  const std::optional<int> row = row_number(location.substr(0, digits));
  const std::optional<int> column = pin_number(location.substr(digits));
  return row && column && *row < package.rows && *column <= package.columns;
}

std::string package_locations(const package_shape& package) {
  if (package.layout == package_layout::quad_flat)
    return "a pin number from 1 to " + std::to_string(pin_count(package));
  std::string last;
  append_row_name(last, package.rows - 1);
  return "a ball from A1 to " + last + std::to_string(package.columns);
}

}  // namespace hbpins
