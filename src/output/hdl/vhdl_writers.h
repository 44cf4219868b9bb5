#pragma once

#include <ostream>

#include "output/hdl/port_list.h"

namespace hbpins {

// "    NAME<pad> : in     std_logic;" per port, "-- TEXT" per comment.
void write_declarations(const port_list& list, std::ostream& out);

// "    NAME<pad>=> NAME," per port, "-- TEXT" per comment.
void write_port_map(const port_list& list, std::ostream& out);

}  // namespace hbpins
