#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/run_catalogue.h"
#include "catalogue/text/csv_table.h"

namespace hbpins {

using board_file_problem = file_problem;

// What a board file holds: its boards in the order they first appear, or,
// for a file with any problem, every problem in line order.
struct board_file {
  std::vector<std::unique_ptr<const loaded_board>> boards;
  std::vector<board_file_problem> problems;
};

// Reads the text of a board file (CSV, RFC 4180): a header that names the
// columns board, package, slot, position, signal, location and direction,
// and optionally prefix, standard and pull, in any order and any case;
// other columns are notes. Each board has one row with its package, a row
// per connector position of each slot, and a row per signal, in order.
// Lines that are empty or hold only empty fields are skipped. The boards
// known tell the numbers that are taken. Every board read passes the board
// check.
board_file read_board_file(std::string_view text, const std::string& file_name,
                           const run_catalogue& known);

}  // namespace hbpins
