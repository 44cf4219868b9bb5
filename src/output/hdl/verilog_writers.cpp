#include "output/hdl/verilog_writers.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "output/hdl/port_lines.h"
#include "output/hdl/port_list.h"
#include "output/hdl/verilog_names.h"

namespace hbpins {

namespace {

// The direction of each port mode, six characters wide so that the net
// types line up. Verilog has no buffer mode; an output may be read inside.
constexpr std::string_view directions[] = {"input ", "output", "inout ", "output"};

// The names start after a range as wide as "[31: 0]" and a blank, where the
// bounds have two digits at most.
constexpr std::size_t range_width = 8;

void append_comment(std::string& line, const vhdl_port& port) {
  line.append("// ").append(port.name.view()) += '\n';
}

// Each port is a wire, so that a design that turns implicit nets off
// (`default_nettype none) still reads the declarations.
void append_declaration(std::string& line, const vhdl_port& port) {
  if (port.mode == port_mode::comment) return append_comment(line, port);
  line.append("    ").append(directions[static_cast<std::size_t>(port.mode)]) += " wire ";
  const std::size_t range = line.size();
  if (port.is_vector) {
    line += '[';
    append_bound(line, port.high);
    line += ':';
    append_bound(line, port.low);
    line += ']';
  }
  pad_from(line, range, range_width);
  append_verilog_name(line, port.name);
  line += ",\n";
}

// The parenthesis stands in column 25 after names of up to 18 characters.
void append_connection(std::string& line, const vhdl_port& port) {
  if (port.mode == port_mode::comment) return append_comment(line, port);
  line += "    .";
  const std::size_t name = line.size();
  append_verilog_name(line, port.name);
  pad_from(line, name, 19);
  line += '(';
  append_verilog_name(line, port.name);
  line += "),\n";
}

}  // namespace

void write_verilog_declarations(const port_list& list, std::ostream& out) {
  write_port_lines(list, out, append_declaration);
}

void write_verilog_port_map(const port_list& list, std::ostream& out) {
  write_port_lines(list, out, append_connection);
}

}  // namespace hbpins
