#include "catalogue/board_file/board_file_fields.h"

#include <algorithm>

#include "catalogue/direction_table.h"
#include "catalogue/number_classes.h"
#include "catalogue/package_pins.h"
#include "catalogue/text/ascii_case.h"
#include "catalogue/text/decimal_field.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

struct field_reader {
  const std::array<std::string_view, board_file_column_count>& fields;
  std::vector<std::string>& problems;
  bool good = true;

  std::string_view operator[](board_file_column column) const { return fields[column]; }
  void fail(std::string message) {
    problems.push_back(std::move(message));
    good = false;
  }
  void fail(board_file_column column, std::string_view expected) {
    fail(std::string(board_file_columns[column].name) + ": expected " + std::string(expected) +
         ", found " + quoted(fields[column]));
  }
};

// Which fields make a row of each kind; the location belongs to two.
struct row_kind_columns {
  board_row_kind kind;
  std::array<board_file_column, 4> columns;
  std::size_t count;
};
constexpr row_kind_columns row_kinds[] = {
    {board_row_kind::board, {package_column, prefix_column}, 2},
    {board_row_kind::connector, {slot_column, position_column}, 2},
    {board_row_kind::signal, {signal_column, direction_column, standard_column, pull_column}, 4},
};
constexpr std::string_view row_kinds_expected =
    "row: expected the fields of the board (package, prefix), of a connector position (slot, "
    "position) or of a signal (signal, direction, standard, pull), found ";

// The kind of row whose fields the row fills; a problem where it fills
// those of none or of more than one.
std::optional<board_row_kind> row_kind(field_reader& row) {
  board_row_kind kind = board_row_kind::board;
  int kinds = 0;
  std::string found;  // the first field of each kind filled
  for (const row_kind_columns& fields : row_kinds) {
    const auto end = fields.columns.begin() + fields.count;
    const auto filled = std::find_if(fields.columns.begin(), end,
                                     [&row](board_file_column c) { return !row[c].empty(); });
    if (filled == end) continue;
    found.append(found.empty() ? "" : " and ").append(board_file_columns[*filled].name);
    kind = fields.kind;
    ++kinds;
  }
  if (kinds == 1) return kind;
  row.fail(std::string(row_kinds_expected) + (kinds == 0 ? "none" : found));
  return std::nullopt;
}

// A number of the range, or 0 with the problem added.
std::uint32_t number_in(field_reader& row, board_file_column column, number_range range) {
  const std::optional<std::uint32_t> number = decimal_number(row[column]);
  if (has_leading_zero(row[column]))
    row.fail(column, "a number without leading zeros");
  else if (!number || !range.contains(*number))
    row.fail(column, "a number from " + range_text(range));
  else
    return *number;
  return 0;
}

// The digits of a package's size, without leading zeros.
std::optional<std::uint32_t> size_number(std::string_view text) {
  return has_leading_zero(text) ? std::nullopt : decimal_number(text);
}

// "QFP208": a quad flat pack and its pin count; "BGA26x26": a ball grid and
// its rows and columns. Letters in any case.
std::optional<package_shape> package_of(std::string_view text) {
  const std::string word = upper_cased(text);
  const std::string_view kind = std::string_view(word).substr(0, 3);
  const std::string_view size = std::string_view(word).substr(kind.size());
  if (kind == "QFP") {
    const std::optional<std::uint32_t> pins = size_number(size);
    if (!pins || *pins % 4 != 0 || !quad_flat_pins.contains(*pins)) return std::nullopt;
    const auto side = static_cast<std::uint8_t>(*pins / 4);
    return package_shape{package_layout::quad_flat, side, side};
  }
  const std::size_t by = size.find('X');
  if (kind != "BGA" || by == std::string_view::npos) return std::nullopt;
  const std::optional<std::uint32_t> rows = size_number(size.substr(0, by));
  const std::optional<std::uint32_t> columns = size_number(size.substr(by + 1));
  if (!rows || !columns || !grid_sides.contains(*rows) || !grid_sides.contains(*columns))
    return std::nullopt;
  return package_shape{package_layout::ball_grid, static_cast<std::uint8_t>(*rows),
                       static_cast<std::uint8_t>(*columns)};
}

void read_board_fields(field_reader& row, board_file_row& read) {
  if (const std::optional<package_shape> package = package_of(row[package_column]))
    read.package = *package;
  else
    row.fail(package_column, "QFP and a pin count, a multiple of 4 from " +
                                 range_text(quad_flat_pins) + ", or BGA and rows x columns, each " +
                                 range_text(grid_sides) + ", as in QFP208 or BGA26x26");
  const std::string_view prefix = row[prefix_column];
  if (prefix == "P" || prefix == "p")
    read.prefix = "P";
  else if (!prefix.empty())
    row.fail(prefix_column, "P or nothing");
}

// Locations are checked against the package once the board is whole; here
// only that they fit.
void read_connector_fields(field_reader& row, board_file_row& read) {
  read.slot = static_cast<std::uint8_t>(number_in(row, slot_column, slot_numbers));
  read.position = static_cast<std::uint8_t>(number_in(row, position_column, connector_positions));
  const std::string_view location = row[location_column];
  if (location == "0")
    row.fail(location_column, "nothing where the position is not wired");
  else if (location.size() > read.pin.loc.chars.size())
    row.fail(location_column, "at most " + std::to_string(max_location_length) + " characters");
  read.pin.loc = location.empty() ? "0" : location;
}

// The half of an LVDS pair a signal is, by its name: "_p" or "_n", the
// later one where it has both. Nothing where it has neither.
std::optional<bool> is_p_half(std::string_view name) {
  const std::size_t p = name.rfind("_p");
  const std::size_t n = name.rfind("_n");
  if (p == std::string_view::npos && n == std::string_view::npos) return std::nullopt;
  return n == std::string_view::npos || (p != std::string_view::npos && p > n);
}

// One of a word's spellings, in any case; its index, or the count where it
// is none of them.
template <std::size_t N>
std::size_t word_index(std::string_view word, const std::string_view (&words)[N]) {
  for (std::size_t w = 0; w < N; ++w)
    if (equal_in_any_case(word, words[w])) return w;
  return N;
}

// The direction whose words, as the outputs write them, the fields give:
// mode, standard (empty is LVTTL) and pull; an LVDS signal's half by its
// name.
direction signal_direction(field_reader& row, std::string_view name) {
  constexpr std::string_view modes[] = {"in", "out", "inout"};
  constexpr std::string_view standards[] = {"LVTTL", "LVDS_25", ""};
  constexpr std::string_view pulls[] = {"up", "down", ""};
  const std::size_t mode = word_index(row[direction_column], modes);
  const std::size_t standard = word_index(row[standard_column], standards) % 2;
  const std::size_t pull = word_index(row[pull_column], pulls);
  if (mode == std::size(modes)) row.fail(direction_column, "in, out or inout");
  if (word_index(row[standard_column], standards) == std::size(standards))
    row.fail(standard_column, "LVTTL or LVDS_25");
  if (pull == std::size(pulls)) row.fail(pull_column, "up, down or nothing");
  if (!row.good) return direction::nc;
  const bool lvds = standard == 1;
  if (lvds && mode == 2) row.fail(standard_column, "LVTTL with direction inout");
  if (!row[pull_column].empty() && mode == 1) row.fail(pull_column, "nothing with direction out");
  if (!row[pull_column].empty() && lvds && mode == 0)
    row.fail(pull_column, "nothing with standard LVDS_25");
  const std::optional<bool> p = is_p_half(name);
  if (lvds && !p) row.fail(signal_column, "_p or _n in the name of an LVDS_25 signal");
  if (!row.good) return direction::nc;
  for (int d = 0; d < static_cast<int>(direction::nc); ++d) {
    const direction_entry& entry = direction_info(static_cast<direction>(d));
    const bool same_half = !lvds || is_lvds_p(entry.dir) == *p;
    if (mode_name(entry.mode) == modes[mode] && entry.standard == standards[standard] &&
        entry.pull == pulls[pull] && same_half)
      return entry.dir;
  }
  return direction::nc;
}

void read_signal_fields(field_reader& row, board_file_row& read) {
  const std::string_view name = row[signal_column];
  if (name.size() > read.pin.name.chars.size())
    row.fail("signal: expected at most " + std::to_string(max_name_length) + " characters, found " +
             std::to_string(name.size()) + " in " + quoted(name));
  read.pin.name = name;
  const std::string_view location = row[location_column];
  if (location.empty() || location.size() > read.pin.loc.chars.size())
    row.fail(location_column, "1 to " + std::to_string(max_location_length) + " characters");
  read.pin.loc = location;
  read.pin.dir = signal_direction(row, name);
}

}  // namespace

std::optional<board_file_row> read_board_file_row(
    const std::array<std::string_view, board_file_column_count>& fields,
    std::vector<std::string>& problems) {
  field_reader row{fields, problems};
  board_file_row read;
  read.board = static_cast<std::uint16_t>(number_in(row, board_column, board_numbers));
  const std::optional<board_row_kind> kind = row_kind(row);
  if (!kind) return std::nullopt;
  read.kind = *kind;
  if (read.kind == board_row_kind::board) read_board_fields(row, read);
  if (read.kind == board_row_kind::connector) read_connector_fields(row, read);
  if (read.kind == board_row_kind::signal) read_signal_fields(row, read);
  if (!row.good) return std::nullopt;
  return read;
}

std::string package_text(const package_shape& package) {
  if (package.layout == package_layout::quad_flat)
    return "QFP" + std::to_string(pin_count(package));
  return "BGA" + std::to_string(package.rows) + "x" + std::to_string(package.columns);
}

}  // namespace hbpins
