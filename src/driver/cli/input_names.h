#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "driver/cli/driver_state.h"
#include "driver/files/input_file.h"

namespace hbpins {

// An input file as an option names it: "-" is standard input, which a run
// reads once; any other name is completed with the option's extension.
struct named_input {
  std::string name;  // as messages show it
  bool standard_input = false;
};

// A second "-" in a run is a usage error.
named_input input_named(driver_state& state, std::string_view typed, std::string_view extension);

std::string read_named_input(const named_input& input, nul_bytes nul);

std::optional<file_identity> identity_of(const named_input& input);

}  // namespace hbpins
