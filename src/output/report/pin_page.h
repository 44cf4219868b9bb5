#pragma once

#include <ostream>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"

namespace hbpins {

// The board pin report as one HTML page that needs nothing beside it: the
// package picture, each slot's connector and the pin table, which the
// page's script links so that selecting a signal in one shows it in all.
// The page holds the picture and the JSON report as their writers make
// them, and the slots' wiring.
void write_pin_page(const pin_list& pins, const pin_uses& uses, std::ostream& out);

}  // namespace hbpins
