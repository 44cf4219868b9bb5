#include "catalogue/module_file/module_file_fields.h"

#include <algorithm>

#include "catalogue/text/ascii_case.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

// Decimal digits only, as spreadsheets write numbers.
std::optional<std::uint32_t> decimal(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
}

struct field_reader {
  std::vector<std::string>& problems;
  bool good = true;

  void fail(std::string message) {
    problems.push_back(std::move(message));
    good = false;
  }
};

// A number of the range, or 0 with the problem added.
std::uint32_t number_in(field_reader& row, std::string_view column, number_range range,
                        std::string_view text) {
  const std::optional<std::uint32_t> number = decimal(text);
  if (number && range.contains(*number)) return *number;
  row.fail(std::string(column) + ": expected a number from " + range_text(range) + ", found " +
           quoted(text));
  return 0;
}

std::uint8_t variant(field_reader& row, std::string_view text) {
  if (text.empty() || text == "0") return 0;
  if (text == "1") return 1;
  row.fail("variant: expected 0 or 1, found " + quoted(text));
  return 0;
}

// Whether the name is one is for the module check to say; a longer name
// would not fit the row.
fixed_text<max_module_name_length> signal_name(field_reader& row, std::string_view text) {
  if (text.size() > max_module_name_length)
    row.fail("signal: expected at most " + std::to_string(max_module_name_length) +
             " characters, found " + std::to_string(text.size()) + " in " + quoted(text));
  return text;
}

// The direction of a row's signal, by its direction word and its standard.
// An LVDS signal is the p half of its pair on an odd position, the n half
// on an even one.
direction signal_direction(field_reader& row, std::string_view mode, std::string_view standard,
                           int at) {
  constexpr std::string_view modes[] = {"in", "out", "inout"};
  constexpr direction single_ended[] = {direction::se_in, direction::se_out, direction::se_bidir};
  constexpr direction lvds[2][2] = {{direction::lvds_in_n, direction::lvds_in_p},
                                    {direction::lvds_out_n, direction::lvds_out_p}};
  const std::size_t m = static_cast<std::size_t>(
      std::find_if(std::begin(modes), std::end(modes),
                   [mode](std::string_view word) { return equal_in_any_case(mode, word); }) -
      std::begin(modes));
  const bool is_lvds = equal_in_any_case(standard, "LVDS_25");
  if (m == std::size(modes))
    row.fail("direction: expected in, out or inout, found " + quoted(mode));
  if (!is_lvds && !standard.empty() && !equal_in_any_case(standard, "LVTTL"))
    row.fail("standard: expected LVTTL or LVDS_25, found " + quoted(standard));
  if (is_lvds && m == 2)
    row.fail("standard: expected LVTTL with direction inout, found " + quoted(standard));
  if (!row.good) return direction::nc;
  return is_lvds ? lvds[m][at % 2] : single_ended[m];
}

}  // namespace

std::optional<module_file_row> read_module_file_row(
    const std::array<std::string_view, module_file_column_count>& fields,
    std::vector<std::string>& problems) {
  field_reader row{problems};
  module_file_row read;
  read.module = static_cast<std::uint16_t>(
      number_in(row, "module", loadable_module_numbers, fields[module_column]));
  read.variant = variant(row, fields[variant_column]);
  read.position = static_cast<std::uint8_t>(
      number_in(row, "position", connector_positions, fields[position_column]));
  read.pin.name = signal_name(row, fields[signal_column]);
  read.pin.dir =
      signal_direction(row, fields[direction_column], fields[standard_column], read.position);
  if (!row.good) return std::nullopt;
  return read;
}

}  // namespace hbpins
