#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/board_catalogue.h"

namespace hbpins {

// What the outputs take for an FPGA location after the board's prefix: 1 to
// max_location_length letters and digits.
bool is_location_text(std::string_view text);

// Every problem of a board's tables: 1 to max_slots slots; its own signals
// named as the modules name theirs, each once, a vector's bits of one
// direction, each LVDS signal with its other half (_p and _n); and every
// FPGA location a location text, and used once, by a connector position or
// by a signal.
std::vector<std::string> check_board(const board_entry& board);

}  // namespace hbpins
