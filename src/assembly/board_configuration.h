#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"

namespace hbpins {

// A module on a slot: its catalogue entry and the variant typed after its
// number (which the users call its modification).
struct placed_slot {
  const module_entry* module = &empty_module();
  std::uint8_t variant = 0;
};

// The board a run assembles and the module on each of its slots; no board
// until one is chosen.
struct board_configuration {
  const board_entry* board = nullptr;
  std::array<placed_slot, max_slots> slots;
};

// Chooses the board and empties all its slots; false, with nothing changed,
// for a board of more slots than a configuration holds.
bool select_board(board_configuration& config, const board_entry& board);

enum class placement { done, no_such_slot, no_such_module, no_such_variant };

// Puts a module on a slot, checked in this order: the slot, the module (none,
// or 700, which is only listed), the variant. The modules with two pin tables
// take variant 0 or 1; the others ignore it.
placement place_module(board_configuration& config, std::uint32_t slot, const module_entry* module,
                       std::uint8_t variant);

bool has_board(const board_configuration& config);
// The chosen board's slots; none before a board is chosen.
std::size_t slot_count(const board_configuration& config);
// The chosen board's number; number_base before a board is chosen.
std::uint16_t board_number(const board_configuration& config);

}  // namespace hbpins
