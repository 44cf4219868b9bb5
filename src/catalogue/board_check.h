#pragma once

#include <string>
#include <vector>

#include "catalogue/board_catalogue.h"

namespace hbpins {

// Every problem of a board's tables: a wiring for each slot; its own signals
// named as the modules name theirs, each once, a vector's bits of one
// direction, each LVDS signal with its other half (_p and _n); and every
// FPGA location used once, by a connector position or by a signal.
std::vector<std::string> check_board(const board_entry& board);

}  // namespace hbpins
