#pragma once

#include <cstddef>
#include <istream>
#include <ostream>

#include "output/hdl/hdl_language.h"
#include "output/hdl/port_list.h"

namespace hbpins {

// The blocks that marker lines of a template called for.
struct template_markers {
  bool declarations = false;
  bool port_map = false;
};

// The template is read in blocks of this many bytes.
inline constexpr std::size_t template_block_size = std::size_t{1} << 18;

// Copies the template to out line by line, each line ended by a line feed.
// A line holding "-- QM_BEGIN" is replaced by the slot port declarations, one
// holding "-- QM_MAP_BEGIN" by the slot port map, and lines holding "-- QM_END"
// or "-- QM_MAP_END" are dropped; in a Verilog template, the markers begin
// with "//" instead, and the blocks are written in Verilog. Each block is a fresh collection of the
// slot ports to the user, so each prints their name-check lines to messages
// again. A read failure is left in tmpl's state; write failures come from
// out. Memory is one block (at least 32 bytes) whatever the lines, for a
// template that can seek; one that cannot holds its longest line.
template_markers merge_template(const collected_ports& slot_ports, hdl_language language,
                                std::istream& tmpl, std::ostream& out, std::ostream& messages,
                                std::size_t block_size = template_block_size);

}  // namespace hbpins
