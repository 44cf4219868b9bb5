#pragma once

#include <ostream>
#include <string_view>

#include "catalogue/pin_records.h"

namespace hbpins {

// Writes the constraints file of the configuration: a location and an I/O
// standard for every connected signal, board signals first, then slot by
// slot, and a 10 ns period on the board's clock net.
void write_ucf(const hb_module_type& config, std::ostream& out);

// The comment line of one slot and the constraints of its signals.
void write_slot_ucf(const qm_module_type& slot, std::ostream& out);

std::string_view io_standard(direction dir);

// Blanks that fill a text of the given length to width, at least one.
std::size_t pad_count(std::size_t width, std::size_t length);

}  // namespace hbpins
