#pragma once

#include <array>
#include <cstdint>
#include <memory>
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

// The modules a run knows: the built-in ones, and those its module files
// add, which live as long as the run.
struct module_catalogue {
  std::vector<std::unique_ptr<const loaded_module>> loaded;
};

// The entry of a module number, built-in modules first; nullptr for a
// number that no module has.
const module_entry* find_module(const module_catalogue& modules, std::uint32_t number);

// The module loaded under a number, for the message that refuses a second.
const loaded_module* find_loaded(const module_catalogue& modules, std::uint32_t number);

// The modules the listing shows, built-in ones (700 to 740) first, then the
// loaded ones in the order they were read.
std::vector<const module_entry*> listed_modules(const module_catalogue& modules);
bool is_listed(const module_entry& module);

// The pin table a slot uses: the variant chosen by the modification for the
// modules with two, the only table otherwise; nothing for 954 and 955.
std::optional<module_pin_table> lookup_module_table(const module_entry& module,
                                                    std::uint8_t modification);

// Module 954, which every slot holds until a module is placed on it.
const module_entry& empty_module();

}  // namespace hbpins
