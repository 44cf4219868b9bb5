#pragma once

#include <ostream>

#include "assembly/pin_list.h"

namespace hbpins {

// Writes the constraints file of an assembled board: a location and an I/O
// standard for every signal, board signals first, then slot by slot, and a
// 10 ns period on the board's clock net (its first signal).
void write_ucf(const pin_list& pins, std::ostream& out);

}  // namespace hbpins
