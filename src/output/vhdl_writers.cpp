#include "output/vhdl_writers.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "output/port_list.h"
#include "output/vhdl_names.h"

namespace hbpins {

namespace {

// Every mode text is six characters wide, so the types line up.
std::string mode_text(vhdl_dir mode) {
  std::string text(mode_name(mode));
  text.resize(6, ' ');
  return text;
}

// The name filled with blanks to width columns, followed by at least one blank.
std::string padded_name(std::string_view name, std::size_t width) {
  std::string text(name);
  text.append(name.size() < width ? width - name.size() : 1, ' ');
  return text;
}

// Right-aligned in two columns; a longer number takes the room it needs.
std::string bound_text(std::int16_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
  return text;
}

std::string comment_line(const vhdl_port& port) {
  return "-- " + std::string(port.name.view()) + '\n';
}

std::string declaration_line(const vhdl_port& port) {
  if (port.mode == vhdl_dir::comment) return comment_line(port);
  std::string line = "    " + padded_name(vhdl_name(port.name), 19) + " : ";
  line += mode_text(port.mode);
  line += " std_logic";
  if (port.is_vector) {
    line += "_vector(" + bound_text(port.high) + " downto " + bound_text(port.low) + ")";
  }
  line += ";\n";
  return line;
}

std::string association_line(const vhdl_port& port) {
  if (port.mode == vhdl_dir::comment) return comment_line(port);
  const std::string name = vhdl_name(port.name);
  return "    " + padded_name(name, 20) + "=> " + name + ",\n";
}

}  // namespace

void write_declarations(const port_list& list, std::ostream& out) {
  for (const vhdl_port& port : list.ports) out << declaration_line(port);
}

void write_port_map(const port_list& list, std::ostream& out) {
  for (const vhdl_port& port : list.ports) out << association_line(port);
}

}  // namespace hbpins
