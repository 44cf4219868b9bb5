#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "catalogue/pin_records.h"
#include "catalogue/text/fixed_text.h"

namespace hbpins {

// One row of a module pin table: the module's signal name ("NC" where the
// module leaves the pin unconnected) and its direction seen from the FPGA.
struct qm_pin_row_type {
  fixed_text<max_module_name_length> name;
  direction dir = direction::nc;
};

// Row k of a table sits on connector position first_position + k.
struct module_pin_table {
  std::uint8_t first_position = hbpins::first_position;
  std::span<const qm_pin_row_type> rows;
};

// What a module number stands for besides its pin tables.
enum class module_kind : std::uint8_t {
  pin_tables,    // listed and placed
  listing_only,  // 700: the pinout of 722 under the number of the series, never placed
  test_tables,   // 953: placed, never listed
  empty_slot,    // 954
  general_io,    // 955: its signals are generated from the board's wiring
};

// A module and its pin tables: one for most modules, two build variants for
// 706, 707 and 735, none for the empty slot 954 and for 955.
struct module_entry {
  std::uint16_t number = 0;
  std::span<const module_pin_table> variants;
  module_kind kind = module_kind::pin_tables;
};

// The modules compiled in, in ascending number order (module_tables.cpp).
extern const std::span<const module_entry> builtin_modules;

}  // namespace hbpins
