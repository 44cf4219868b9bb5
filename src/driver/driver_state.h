#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/pin_records.h"
#include "driver/template_file.h"
#include "output/pinout_listing.h"

namespace hbpins {

// Everything a run keeps while it reads its arguments from left to right.
struct driver_state {
  driver_state(std::span<const std::string> arguments, std::ostream& output)
      : args(arguments), out(output) {}

  std::span<const std::string> args;  // args[0] is the program path
  std::ostream& out;

  std::size_t index = 1;  // the argument being handled
  std::uint8_t next_slot = 0;
  table_format layout = table_format::text1c;
  bool board_chosen = false;
  bool verbose = false;
  bool vhdl_written = false;
  bool ucf_written = false;
  // Stays set after -o has closed the template, until the next -t.
  bool template_open = false;
  template_file tmpl;
  hb_module_type config;
};

// Moves to the argument after an option and returns it; an option at the end
// of the command line gets an empty text.
std::string_view take_option_value(driver_state& state);

}  // namespace hbpins
