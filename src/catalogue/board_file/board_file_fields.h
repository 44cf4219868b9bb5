#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/board_catalogue.h"
#include "catalogue/text/csv_table.h"

namespace hbpins {

// The columns a board file's header names, in the order its export writes
// them.
enum board_file_column : std::size_t {
  board_column,
  package_column,
  prefix_column,
  slot_column,
  position_column,
  signal_column,
  location_column,
  direction_column,
  standard_column,
  pull_column,
  board_file_column_count
};
// A file without a required column is refused; an empty prefix is none, an
// empty standard LVTTL, an empty pull none.
inline constexpr std::array<column_entry, board_file_column_count> board_file_columns = {{
    {"board", true},
    {"package", true},
    {"prefix", false},
    {"slot", true},
    {"position", true},
    {"signal", true},
    {"location", true},
    {"direction", true},
    {"standard", false},
    {"pull", false},
}};

// What a row describes: the board itself (its package and location
// prefix), one connector position of a slot, or one of its own signals.
enum class board_row_kind : std::uint8_t { board, connector, signal };

// One row of a board file.
struct board_file_row {
  board_row_kind kind = board_row_kind::board;
  std::uint16_t board = 0;
  package_shape package;      // of the board's row
  std::string_view prefix;    // of the board's row: "P" or empty
  std::uint8_t slot = 0;      // of a connector row
  std::uint8_t position = 0;  // of a connector row
  // A signal row's signal; a connector row's location alone, "0" where the
  // position is not wired.
  pin_type pin;
};

// The row that the fields give, by column (empty for a column the file
// does not have); nothing where any field is wrong, with each problem added.
// A row with a signal is a signal row, one with a slot or a position a
// connector row, any other the board's row.
std::optional<board_file_row> read_board_file_row(
    const std::array<std::string_view, board_file_column_count>& fields,
    std::vector<std::string>& problems);

// The package as a board file writes it: "QFP208", "BGA26x26".
std::string package_text(const package_shape& package);

}  // namespace hbpins
