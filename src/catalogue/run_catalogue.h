#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"

namespace hbpins {

// The boards and modules a run knows: the built-in ones, and those its
// files add, which live as long as the run.
struct run_catalogue {
  std::vector<std::unique_ptr<const loaded_board>> boards;
  std::vector<std::unique_ptr<const loaded_module>> modules;
};

// The entry of a board number, built-in boards first; nullptr for a number
// that no board has.
const board_entry* find_board(const run_catalogue& catalogue, std::uint32_t number);

// The board loaded under a number, for the message that refuses a second.
const loaded_board* find_loaded_board(const run_catalogue& catalogue, std::uint32_t number);

// Every board, the built-in ones in number order, then the loaded ones in
// the order they were read.
std::vector<const board_entry*> listed_boards(const run_catalogue& catalogue);

// The entry of a module number, built-in modules first; nullptr for a
// number that no module has.
const module_entry* find_module(const run_catalogue& catalogue, std::uint32_t number);

// The module loaded under a number, for the message that refuses a second.
const loaded_module* find_loaded_module(const run_catalogue& catalogue, std::uint32_t number);

// The modules the listing shows, the built-in ones in number order, then
// the loaded ones in the order they were read.
std::vector<const module_entry*> listed_modules(const run_catalogue& catalogue);

}  // namespace hbpins
