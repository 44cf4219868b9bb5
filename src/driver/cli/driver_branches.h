#pragma once

#include <cstddef>
#include <string_view>

#include "driver/cli/driver_state.h"

namespace hbpins {

// What a branch of the argument step did: how many arguments it used (the
// option, and its value if it takes one), and whether it ended the run with
// status 0.
struct step_result {
  std::size_t used = 1;
  bool ends_run = false;
};

// The branches. A is the upper-cased argument, K its first two characters.

// QM<number>, or QMALL, which ends the run, before a board is chosen.
step_result listing_argument(driver_state& state, std::string_view a);

step_result board_option(driver_state& state, std::string_view a, std::string_view k);
step_result module_option(driver_state& state, std::string_view a, std::string_view k);

// -t NAME, accepted at any point, also before the board.
step_result template_input(driver_state& state);

// -m NAME, accepted at any point: the modules of a module file join the
// run's catalogue.
step_result module_file_input(driver_state& state);

// An option of the output table: -u, -c, -o, -p or -k, or a bare name
// ending in ".ucf"; nullptr when A is none of them.
struct output_option;
const output_option* find_output(std::string_view a, std::string_view k);
step_result output_argument(driver_state& state, const output_option& option, std::string_view k);

}  // namespace hbpins
