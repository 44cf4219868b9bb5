#pragma once

#include <ostream>

#include "output/hdl/port_list.h"

namespace hbpins {

// "    input  wire [ 5: 1] NAME," per port, "// TEXT" per comment: ANSI port
// declarations of Verilog-2001, with the ports, ranges and comments of the
// VHDL declarations.
void write_verilog_declarations(const port_list& list, std::ostream& out);

// "    .NAME<pad>(NAME)," per port, "// TEXT" per comment: connections by name.
void write_verilog_port_map(const port_list& list, std::ostream& out);

}  // namespace hbpins
