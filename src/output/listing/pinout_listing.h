#pragma once

#include <cstdint>
#include <ostream>
#include <span>

#include "catalogue/module_records.h"

namespace hbpins {

enum class table_format : std::uint8_t {
  text1c,  // one connector pin per line
  text2c,  // two connector pins per line, the even pin mirrored on the left
  wiki1c,  // header lines only
};

// The pin tables of a module in a text layout, every variant under its
// heading.
void print_module_pinout(std::ostream& out, const module_entry& module, table_format format);

}  // namespace hbpins
