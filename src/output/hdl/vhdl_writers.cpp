#include "output/hdl/vhdl_writers.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "output/hdl/port_lines.h"
#include "output/hdl/port_list.h"
#include "output/hdl/vhdl_names.h"

namespace hbpins {

namespace {

// The name filled with blanks to width columns, followed by at least one blank.
void append_padded_name(std::string& line, std::string_view name, std::size_t width) {
  const std::size_t start = line.size();
  append_vhdl_name(line, name);
  pad_from(line, start, width);
}

void append_comment(std::string& line, const vhdl_port& port) {
  line.append("-- ").append(port.name.view()) += '\n';
}

// Every mode text is six characters wide, so the types line up.
void append_declaration(std::string& line, const vhdl_port& port) {
  if (port.mode == port_mode::comment) return append_comment(line, port);
  line += "    ";
  append_padded_name(line, port.name, 19);
  line += " : ";
  const std::string_view mode = mode_name(port.mode);
  line.append(mode).append(mode.size() < 6 ? 6 - mode.size() : 0, ' ') += " std_logic";
  if (port.is_vector) {
    line += "_vector(";
    append_bound(line, port.high);
    line += " downto ";
    append_bound(line, port.low);
    line += ')';
  }
  line += ";\n";
}

void append_association(std::string& line, const vhdl_port& port) {
  if (port.mode == port_mode::comment) return append_comment(line, port);
  line += "    ";
  append_padded_name(line, port.name, 20);
  line += "=> ";
  append_vhdl_name(line, port.name);
  line += ",\n";
}

}  // namespace

void write_declarations(const port_list& list, std::ostream& out) {
  write_port_lines(list, out, append_declaration);
}

void write_port_map(const port_list& list, std::ostream& out) {
  write_port_lines(list, out, append_association);
}

}  // namespace hbpins
