#pragma once

#include <istream>
#include <ostream>

#include "output/port_list.h"

namespace hbpins {

// Copies the template to out line by line, each line ended by a line feed.
// A line holding "-- QM_BEGIN" is replaced by the slot port declarations, one
// holding "-- QM_MAP_BEGIN" by the slot port map, and lines holding "-- QM_END"
// or "-- QM_MAP_END" are dropped. Each block is a fresh collection of the
// slot ports to the user, so each prints their name-check lines to messages
// again. A read failure is left in tmpl's state; write failures come from
// out.
void merge_template(const collected_ports& slot_ports, std::istream& tmpl, std::ostream& out,
                    std::ostream& messages);

}  // namespace hbpins
