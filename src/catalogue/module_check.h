#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/module_records.h"

namespace hbpins {

// A rule that a module's pin tables break, and where.
struct module_problem {
  std::size_t variant = 0;
  int position = 0;  // the connector position; 0 for the variant as a whole
  std::string message;
};

// Every problem of a module, variant by variant, in position order: the
// tables within positions 3 to 34; module directions only; "NC" on the
// unconnected rows and on no other; names as is_module_signal_name takes
// them that stay plain VHDL names with a "QMn_" prefix (no "__", no "_" at
// the end), each once per variant, a vector's bits of one direction; each LVDS
// pair with its p half on an odd position and its n half on the next, both
// of one direction; rows in variant 0 wherever variant 1 has some.
std::vector<module_problem> check_module(const module_entry& module);

}  // namespace hbpins
