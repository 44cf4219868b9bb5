#pragma once

#include <string>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"

namespace hbpins {

// Faults of an assembled board that its files would carry into the tool
// flow, looked at over the board signals and every slot. Each gives the
// places it found, separated by ", ", or an empty text.

// Every FPGA location (as the UCF file writes it) that carries more than one
// signal, with the signals: "A2 (BCBUS_<5> BCBUS_<6>)".
std::string shared_locations(const pin_uses& uses);

// Every bit inside the range of a vector port that no signal provides, so
// that the VHDL declares a pin the UCF file does not place: "QM0_LEDn<16>".
std::string missing_vector_bits(const pin_list& pins);

}  // namespace hbpins
