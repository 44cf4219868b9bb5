#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "catalogue/pin_records.h"
#include "catalogue/vhdl_records.h"

namespace hbpins {

// Port mode of a pin direction. Pull-ups, pull-downs and the LVDS polarity do
// not reach the VHDL. `nc` pins carry no port and are skipped before this is
// asked; it answers `inp` for them.
vhdl_dir vhdl_mode(direction dir);

// Empties all 256 entries and both counters.
void init(vhdl_entity_type& entity);

// A `comment` entry is stored as it is. Any other text is checked as a signal
// name and becomes a new port, or widens the vector port it is an element of.
// Every problem is one line on messages and leaves the list unchanged.
void add_port(vhdl_entity_type& entity, std::string_view text, vhdl_dir mode,
              std::ostream& messages);

// The vector a signal name is a bit of, where the name checks take it as one.
struct vector_bit {
  std::string_view base_name;
  std::int16_t index = 0;
};
std::optional<vector_bit> vector_bit_of(std::string_view name);

// Entry number of the first port (comments skipped) named exactly base_name,
// or -1. Every further match is reported on messages.
int find_port(const vhdl_entity_type& entity, std::string_view base_name, std::ostream& messages);

std::uint16_t port_count(const vhdl_entity_type& entity);

// In-order reading: copy the entry at the cursor to port and advance; false,
// with port untouched, once the cursor has reached the count.
bool first_port(vhdl_entity_type& entity, vhdl_port_type& port);
bool next_port(vhdl_entity_type& entity, vhdl_port_type& port);

// Rebuilds config.entity from the board signals and/or the slots of the
// selected board. Name-check messages go to messages.
void collect_ports(hb_module_type& config, std::ostream& messages, bool with_board_signals,
                   bool with_slots);

}  // namespace hbpins
