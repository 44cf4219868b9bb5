#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/board_configuration.h"
#include "catalogue/board_catalogue.h"
#include "catalogue/direction_table.h"
#include "catalogue/signal_names.h"

namespace hbpins {

// One signal of the assembled board, as every output names and places it.
struct resolved_pin {
  std::string name;           // "QM0_DIN<5>", "QM<4><3>", "CLK"
  std::string location;       // as the outputs write it, the board's prefix included: "P181"
  std::uint8_t position = 0;  // the connector position, 3 to 34; 0 for a board signal
  const direction_entry* io = nullptr;  // its standard, pull resistor and port mode
  name_check checked{};                 // the port and vector bit the name makes, or why none
};

enum class group_kind {
  board_signals,
  module,      // a module with a pin table, 953 included
  empty,       // module 954
  general_io,  // module 955: one signal per wired position
};

struct pin_group {
  group_kind kind = group_kind::board_signals;
  std::uint8_t slot = 0;
  std::uint16_t module = 0;  // module number
  // Which pin table of a module with two: 0 or 1; 0 for the others.
  std::uint8_t variant = 0;
  bool has_variants = false;
  std::vector<resolved_pin> pins;
};

// The assembled board: the board's own signals, then one group per slot.
struct pin_list {
  std::uint16_t board_number = number_base;  // before a board is chosen
  // "P" where the locations are package pin numbers (P181), else empty.
  std::string_view location_prefix;
  package_shape package;          // where the locations sit on the FPGA
  connector_table connectors;     // the board's wiring of each slot
  std::vector<pin_group> groups;  // groups[0] holds the board's signals

  const pin_group& board_signals() const { return groups.front(); }
};

// Names every signal of the configuration and pairs it with its location.
pin_list resolve_pins(const board_configuration& config);

}  // namespace hbpins
