#pragma once

#include <optional>
#include <string_view>

#include "driver/cli/argument_classes.h"
#include "driver/cli/driver_state.h"

namespace hbpins {

// The branches of the argument loop, each for one role of argument_classes.h;
// the loop then moves on by the arguments the class uses. A is the
// upper-cased argument, K its first two characters.

// QM<number>, or QMALL, before a board is chosen.
void listing_argument(driver_state& state, std::string_view a);

void board_option(driver_state& state, std::string_view a, std::string_view k);
void module_option(driver_state& state, std::string_view a, std::string_view k);

// -d NUMBER or HB<number> in the module file layout of -x: prints the board
// as a board file.
void board_export(driver_state& state, std::string_view a, std::string_view k);

// -t NAME, accepted at any point, also before the board.
void template_input(driver_state& state);

// -m NAME, accepted at any point: the modules of a module file join the
// run's catalogue.
void module_file_input(driver_state& state);

// -b NAME, before the board is chosen: the boards of a board file join the
// run's catalogue.
void board_file_input(driver_state& state);

// The class of an option of the output table: -u, -c, -o, -p or -k, or a
// bare name ending in ".ucf", with its row; nothing when A is none of them.
std::optional<argument_class> output_class(std::string_view a, std::string_view k);
void output_argument(driver_state& state, const output_option& option, std::string_view k);

}  // namespace hbpins
