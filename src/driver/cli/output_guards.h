#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "assembly/pin_list.h"
#include "driver/cli/driver_state.h"

namespace hbpins {

// Refuses an output onto a regular file that an earlier output of this run
// wrote: two outputs never land in one file. Devices may take several.
void check_not_written(const driver_state& state, const std::string& name);

// Refuses an output onto a module or board file this run read: its modules
// or boards are still in use, and the file is the user's description of
// them.
void check_not_input_file(const driver_state& state, const std::string& name);

// Warns of the board's pin conflicts on the error stream, a line for each
// kind the board has.
void warn_of_conflicts(driver_state& state, const board_pins& pins);

// Writes the output file through write and remembers it.
void write_output(driver_state& state, const std::string& name,
                  const std::function<void(std::ostream&)>& write);

}  // namespace hbpins
