#pragma once

#include <cstddef>
#include <ostream>
#include <span>
#include <string_view>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "output/ucf/ucf_format.h"

namespace hbpins {

// Compares the NET statements of the UCF file `file` with the assembled
// board (its pins, and the signals on each location) and writes one line per
// difference, in the order of the file, then the nets the file does not
// place, then a summary line. Each constraint of a statement is compared; a
// statement that gives one kind of constraint two values is told as well.
// Returns the number of differences.
std::size_t check_ucf(const pin_list& pins, const pin_uses& uses,
                      std::span<const net_statement> statements, std::string_view file,
                      std::ostream& out);

}  // namespace hbpins
