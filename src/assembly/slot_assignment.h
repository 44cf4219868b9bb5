#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "catalogue/module_records.h"
#include "catalogue/pin_records.h"

namespace hbpins {

// Checks the module number (a number above 700, or an index), stores the
// slot's header fields and assigns its signals. Messages go to out.
void set_module(qm_module_type& slot, std::uint16_t module, std::uint8_t modification,
                std::uint8_t slot_number, std::uint8_t board_index, std::ostream& out);

// Recomputes the 32 pin records of the slot from its board, module,
// modification and slot number.
void assign_signals(qm_module_type& slot, std::ostream& out);

// Lays one module pin table onto the slot, wired as the board's connector
// table entry of this slot says.
void map_pin_table(qm_module_type& slot, const qm_array_type& wiring,
                   const module_pin_table& table);

// Decimal text without leading zeros or blanks.
std::string int_to_text(std::int16_t value);

}  // namespace hbpins
