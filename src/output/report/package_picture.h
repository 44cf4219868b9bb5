#pragma once

#include <ostream>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"

namespace hbpins {

// The board pin report as a picture: the FPGA package seen from the top as
// plain SVG 1.1, every pin coloured by the group whose signal sits on it,
// a location with more than one signal in red, each used pin with a title
// naming its signals, and a legend counting the pins of every group.
void write_package_picture(const pin_list& pins, const pin_uses& uses, std::ostream& out);

}  // namespace hbpins
