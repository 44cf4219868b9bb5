#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "catalogue/fixed_text.h"
#include "catalogue/pin_records.h"

namespace hbpins {

// One row of a module pin table: the module's signal name ("NC" where the
// module leaves the pin unconnected) and its direction seen from the FPGA.
struct qm_pin_row_type {
  fixed_text<16> name;
  direction dir = direction::nc;
};

// Row k of a table sits on connector position first_position + k.
struct module_pin_table {
  std::uint8_t first_position = hbpins::first_position;
  std::span<const qm_pin_row_type> rows;
};

// A supported module and its pin tables: one for most modules, two build
// variants for 706, 707 and 735, none for the empty slot 954 and for 955,
// whose signals are generated from the board.
struct module_entry {
  std::uint16_t number = 0;
  std::span<const module_pin_table> variants;
};

// Every supported module in ascending number order (module_tables.cpp).
extern const std::span<const module_entry> module_catalogue;

}  // namespace hbpins
