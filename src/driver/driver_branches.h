#pragma once

#include <optional>
#include <string_view>

#include "driver/driver_state.h"

namespace hbpins {

// The branches of the argument step. A is the upper-cased argument, K its
// first two characters. Each advances the argument index past what it used.

// QM<number> or QMALL before a board is chosen; returns the exit status when
// the listing ends the run.
std::optional<int> listing_argument(driver_state& state, std::string_view a);

void board_option(driver_state& state, std::string_view a, std::string_view k);
void module_option(driver_state& state, std::string_view a, std::string_view k);

void ucf_option(driver_state& state, std::string_view k);
void declaration_output(driver_state& state);
void template_input(driver_state& state);
void top_file_output(driver_state& state);

}  // namespace hbpins
