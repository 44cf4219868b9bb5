#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "catalogue/module_records.h"

namespace hbpins {

// The index of a module number: only numbers above 700 are module numbers,
// any other number is taken as an index (so 700 itself is index 700, which
// no module has).
std::uint16_t module_index(std::uint16_t number);

// Lookups by module index (module number minus 700).
bool is_supported_module(std::uint16_t index);

// The pin table a slot uses: the variant chosen by the modification for the
// two-variant modules, the only table otherwise; nothing for 954, 955 and
// unsupported indexes.
std::optional<module_pin_table> lookup_module_table(std::uint8_t index, std::uint8_t modification);

// All pin tables of a module in catalogue order, as the listing prints them.
std::span<const module_pin_table> module_variants(std::uint16_t index);

}  // namespace hbpins
