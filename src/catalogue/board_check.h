#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/board_catalogue.h"

namespace hbpins {

// A rule that a board's tables break, and where: on a connector position of
// a slot, on one of its signals, or on the board as a whole.
struct board_problem {
  static constexpr std::size_t whole_board = static_cast<std::size_t>(-1);
  std::size_t signal = whole_board;  // over the signal tables in their order
  std::uint8_t slot = 0;
  std::uint8_t position = 0;  // 3 to 34 on a connector position, else 0
  std::string message;
};

// Every problem of a board: 1 to max_slots slots; a package to place the
// locations on, and every location on it, which keeps each within the
// max_location_length characters the outputs hold; 1 to 100 board signals
// (board_signal_counts), the first one, the clock
// net, an input; the signals named as the modules name theirs, each once, a
// vector's bits of one direction, each LVDS signal with its other half (_p
// and _n); and every FPGA location used once, by a connector position or by
// a signal, except that board signals may share one (board 711 wires two to
// one ball), which the outputs warn of.
std::vector<board_problem> check_board(const board_entry& board);

}  // namespace hbpins
