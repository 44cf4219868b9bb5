#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "catalogue/run_catalogue.h"
#include "driver/files/template_file.h"
#include "output/hdl/port_list.h"
#include "output/listing/pinout_listing.h"

namespace hbpins {

// The configuration's pin list, resolved once for the outputs that follow,
// and what they derive from it, each worked out once: the uses of every
// location at once, the port lists when an output first needs them. The uses
// point into the list, so the record stays where it was made.
struct board_pins {
  pin_list list;
  pin_uses uses{};
  std::optional<collected_ports> all_ports{};   // of -c: the board's signals and the slots
  std::optional<collected_ports> slot_ports{};  // of both blocks of a merge
};

// Everything a run keeps while it reads its arguments from left to right.
struct driver_state {
  driver_state(std::span<const std::string> arguments, std::ostream& messages,
               std::ostream& listing_stream, std::ostream& errors, std::ostream& standard_output)
      : args(arguments),
        out(messages),
        listings(listing_stream),
        err(errors),
        data_out(standard_output) {}

  std::span<const std::string> args;  // args[0] is the program path
  std::ostream& out;                  // verbose lines, messages
  std::ostream& listings;             // the pin tables and module files of QM<nr> and QMALL
  std::ostream& err;                  // warnings
  std::ostream& data_out;             // a report written to "-"
  std::size_t last_merge = 0;         // the index of the last -o, 0 when there is none

  std::size_t index = 1;  // the argument being handled
  std::uint8_t next_slot = 0;
  table_format listing_format = table_format::text1c;
  bool listing_module_files = false;  // -x: later listings as a module file
  bool verbose = false;
  bool placement_closed = false;  // an output was written: no more modules
  // Stays set after -o has closed the template, until the next -t.
  bool template_open = false;
  template_file tmpl;
  run_catalogue catalogue;                  // the built-in boards and modules, and those loaded
  std::vector<file_identity> module_files;  // the files -m read
  std::vector<file_identity> board_files;   // the files -b read
  bool standard_input_read = false;         // by -m - or -k -
  bool module_file_started = false;         // the module file header of -x is out
  board_configuration config;
  // Empty again whenever the configuration changes.
  std::optional<board_pins> pins;
  std::vector<file_identity> written;  // the regular files the outputs wrote
  bool differences_found = false;      // by a -k: the run ends with its own status
};

// The argument after the option at the index; empty at the end of the
// command line.
std::string_view option_value(const driver_state& state);

}  // namespace hbpins
