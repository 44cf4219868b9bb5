#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/board_catalogue.h"
#include "catalogue/number_classes.h"

namespace hbpins {

std::size_t pin_count(const package_shape& package);

// Ball-grid rows skip I, O, Q, S, X and Z, which read as digits or as each
// other, and go on with two letters after Y: A ... Y, AA, AB, ... Row 0 is A.
void append_row_name(std::string& text, int row);

// Whether a location, without the board's prefix, names a pin of the
// package: a pin number from 1 to the pin count, or a row name and a column
// number, the numbers without leading zeros.
bool is_package_location(const package_shape& package, std::string_view location);

// The locations of the package, as a message names them: "a pin number from
// 1 to 208", "a ball from A1 to AF26".
std::string package_locations(const package_shape& package);

}  // namespace hbpins
