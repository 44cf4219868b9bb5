#pragma once

#include <array>
#include <cstdint>

#include "catalogue/pin_records.h"

namespace hbpins {

// A module on a slot: its index (number minus 700) and the modification
// typed after its number.
struct placed_slot {
  std::uint8_t module_index = empty_module_index;
  std::uint8_t modification = 0;
};

// The board a run assembles and the module on each of its slots. Board
// index 0 means that no board has been chosen.
struct board_configuration {
  std::uint8_t board_index = 0;
  std::array<placed_slot, max_slots> slots;
};

// Chooses the board by number (701, ...) or index (1, ...) and empties all
// its slots; false, with nothing changed, for a board the catalogue lacks.
bool select_board(board_configuration& config, std::uint16_t number);

enum class placement { done, no_such_slot, no_such_module, no_such_variant };

// Puts a module (by number, or by index below 700) on a slot, checked in
// this order: the slot, the module, the variant. The modules with two pin
// tables take modification 0 or 1; the others ignore it.
placement place_module(board_configuration& config, std::uint16_t slot, std::uint16_t module,
                       std::uint8_t modification);

std::uint8_t slot_count(const board_configuration& config);
std::uint16_t board_number(const board_configuration& config);

}  // namespace hbpins
