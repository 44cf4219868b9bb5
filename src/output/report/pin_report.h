#pragma once

#include <ostream>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"

namespace hbpins {

// The board pin report: one row per signal in the order of the UCF file,
// with its slot, module, connector position, name, FPGA location, direction,
// I/O standard, pull resistor, VHDL port and the other signals on its
// location. As CSV (RFC 4180, LF line ends) with a header row, or as JSON.
void write_csv_report(const pin_list& pins, const pin_uses& uses, std::ostream& out);
void write_json_report(const pin_list& pins, const pin_uses& uses, std::ostream& out);

}  // namespace hbpins
