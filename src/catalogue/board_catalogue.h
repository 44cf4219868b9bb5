#pragma once

#include <array>
#include <cstdint>
#include <memory>
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

struct board_entry {
  std::uint16_t number = 0;
  std::uint8_t slot_count = 0;
  // Written before every location in the UCF file: boards with package pin
  // numbers need "P181", ball names stand as they are.
  std::string_view loc_prefix;
  package_shape package;
  connector_table connectors;
  std::span<const std::span<const pin_type>> signal_tables;  // appended in order
};

// The boards compiled in.
extern const std::span<const board_entry> builtin_boards;

// The entry of a board number (701, 706, 709, 710, 711); nullptr for any
// other number.
const board_entry* find_board(std::uint32_t number);

// The built-in boards in the order of their numbers.
extern const std::span<const board_entry> builtin_boards;

// A board read from a board file. Its entry views its own tables, so it
// stays where it was made.
struct loaded_board {
  loaded_board(std::uint16_t number, std::string file_name);
  loaded_board(const loaded_board&) = delete;
  loaded_board& operator=(const loaded_board&) = delete;

  // Lays out the board's tables: one slot per wiring, its signals as one
  // table in their order.
  void set_tables(std::string_view prefix, package_shape package, std::vector<slot_wiring> wirings,
                  std::vector<pin_type> board_signals);

  std::string file;  // where it was read from
  std::string location_prefix;
  std::vector<slot_wiring> connectors;
  std::vector<pin_type> signals;
  std::array<std::span<const pin_type>, 1> tables;
  board_entry entry;
};

// The boards a run knows: the built-in ones, and those its board files add,
// which live as long as the run.
struct board_catalogue {
  std::vector<std::unique_ptr<const loaded_board>> loaded;
};

// The entry of a board number, built-in boards first; nullptr for a number
// that no board has.
const board_entry* find_board(const board_catalogue& boards, std::uint32_t number);

// The board loaded under a number, for the message that refuses a second.
const loaded_board* find_loaded(const board_catalogue& boards, std::uint32_t number);

}  // namespace hbpins
