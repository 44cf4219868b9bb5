#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/pin_records.h"

namespace hbpins {

// How the FPGA package arranges the pins its locations name.
enum class package_layout : std::uint8_t {
  none,       // no board chosen
  quad_flat,  // package pin numbers, counter-clockwise from the top of the left side
  ball_grid,  // ball names: a row letter and a column number, A1 at a corner
};

// A ball grid has its rows and columns of balls; a quad flat pack has as
// many pins on each of its four sides, its rows and columns alike.
struct package_shape {
  package_layout layout = package_layout::none;
  std::uint8_t rows = 0;
  std::uint8_t columns = 0;

  bool operator==(const package_shape&) const = default;
};

// A base board: the FPGA location behind each connector position of each
// slot, and the board's own signals.
struct board_entry {
  std::uint16_t number = 0;
  // Written before every location in the UCF file: boards with package pin
  // numbers need "P181", ball names stand as they are.
  std::string_view location_prefix;
  package_shape package;
  connector_table connectors;                                // one wiring per slot
  std::span<const std::span<const pin_type>> signal_tables;  // appended in order
};

inline std::size_t slot_count(const board_entry& board) {
  return board.connectors.size();
}

// The name of a board number, as the outputs and the templates write it:
// "HB710".
std::string board_name(std::uint32_t number);

// The boards compiled in, in ascending number order (board_tables.cpp).
extern const std::span<const board_entry> builtin_boards;

// A board read from a board file. Its entry views its own tables, so it
// stays where it was made.
struct loaded_board {
  loaded_board(std::uint16_t number, std::string file_name);
  loaded_board(const loaded_board&) = delete;
  loaded_board& operator=(const loaded_board&) = delete;

  // Lays out the board's tables: the entry views them, its signals as one
  // table.
  void set_tables(std::string prefix, package_shape package, std::vector<slot_wiring> wiring,
                  std::vector<pin_type> board_signals);

  std::string file;  // where it was read from
  std::string location_prefix;
  std::vector<slot_wiring> connectors;
  std::vector<pin_type> signals;
  std::array<std::span<const pin_type>, 1> signal_tables;
  board_entry entry;
};

}  // namespace hbpins
