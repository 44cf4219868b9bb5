#pragma once

#include <ostream>

#include "catalogue/pin_records.h"
#include "catalogue/vhdl_records.h"

namespace hbpins {

// Collects the ports afresh (name-check messages to messages), then writes one
// declaration line per entry to out.
void write_declarations(hb_module_type& config, std::ostream& out, std::ostream& messages,
                        bool with_board_signals, bool with_slots);

// Collects the slot ports afresh, then writes one association per entry.
void write_port_map(hb_module_type& config, std::ostream& out, std::ostream& messages);

// "    NAME<pad> : in     std_logic;" per port, "-- TEXT" per comment.
void write_decl_lines(const vhdl_entity_type& entity, std::ostream& out);

// "    NAME<pad>=> NAME," per port, "-- TEXT" per comment.
void write_map_lines(const vhdl_entity_type& entity, std::ostream& out);

}  // namespace hbpins
