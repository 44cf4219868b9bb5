#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/module_records.h"

namespace hbpins {

// A module read from a module file. Its entry views its own rows, so it
// stays where it was made.
struct loaded_module {
  loaded_module(std::uint16_t number, std::string file_name);
  loaded_module(const loaded_module&) = delete;
  loaded_module& operator=(const loaded_module&) = delete;

  // Lays out the variants' rows: the entry has variant 1 only where rows
  // for it were added.
  void set_rows(std::array<std::vector<qm_pin_row_type>, 2> rows,
                std::array<std::uint8_t, 2> first_positions);

  std::string file;  // where it was read from
  std::array<std::vector<qm_pin_row_type>, 2> rows;
  std::array<module_pin_table, 2> tables;
  module_entry entry;
};

// Whether the listing shows the module: 953, 954 and 955 are placed only.
bool is_listed(const module_entry& module);

// The pin table a slot uses: the variant chosen for the modules with two,
// the only table otherwise; nothing for 954 and 955.
std::optional<module_pin_table> lookup_module_table(const module_entry& module,
                                                    std::uint8_t variant);

// Module 954, which every slot holds until a module is placed on it.
const module_entry& empty_module();

}  // namespace hbpins
