#pragma once

#include <cstdint>
#include <ostream>

#include "catalogue/pin_records.h"

namespace hbpins {

// Chooses the board by number (or index) and empties every slot it has; a
// number the catalogue does not know leaves a board without slots. Messages
// go to out.
void select_board(hb_module_type& config, std::uint16_t number, std::ostream& out);

// Resets the board signals and appends the tables of the selected board.
void load_board_signals(hb_module_type& config);

// Puts module number `module` with its modification on a slot; a slot at or
// above the slot count is refused without effect.
void place_module(hb_module_type& config, std::uint16_t slot, std::uint16_t module,
                  std::uint16_t modification, std::ostream& out);

std::uint8_t slot_count(const hb_module_type& config);
std::uint16_t board_number(const hb_module_type& config);
std::uint16_t module_number(const qm_module_type& slot);

}  // namespace hbpins
