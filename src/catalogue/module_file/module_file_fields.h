#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/module_file/module_file_format.h"
#include "catalogue/module_records.h"

namespace hbpins {

// One row of a module file: a signal of a module's variant on a position.
struct module_file_row {
  std::uint16_t module = 0;
  std::uint8_t variant = 0;
  std::uint8_t position = 0;
  qm_pin_row_type pin;
};

// The row that the fields give, by column (empty for a column the file
// does not have); nothing where any field is wrong, with each problem added.
std::optional<module_file_row> read_module_file_row(
    const std::array<std::string_view, module_file_column_count>& fields,
    std::vector<std::string>& problems);

}  // namespace hbpins
