#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/pin_records.h"

namespace hbpins {

// How the FPGA package arranges the pins its locations name.
enum class package_layout : std::uint8_t {
  none,       // no board chosen
  quad_flat,  // package pin numbers, counter-clockwise from the top of the left side
  ball_grid,  // ball names: a row letter and a column number, A1 at a corner
};

struct package_shape {
  package_layout layout = package_layout::none;
  std::uint8_t side = 0;  // pins along one side, or balls along one edge
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

}  // namespace hbpins
