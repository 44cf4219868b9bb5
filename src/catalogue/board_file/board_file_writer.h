#pragma once

#include <ostream>

#include "catalogue/board_catalogue.h"

namespace hbpins {

// The board file that -b reads (CSV, RFC 4180, LF line ends): the header,
// the board's row with its package, a row for every position 3 to 34 of
// every slot (no location where the position is not wired), and a row per
// signal, over its signal tables in order.
void write_board_file(std::ostream& out, const board_entry& board);

}  // namespace hbpins
