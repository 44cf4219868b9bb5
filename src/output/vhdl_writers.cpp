#include "output/vhdl_writers.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "assembly/slot_assignment.h"
#include "output/port_list.h"
#include "output/vhdl_names.h"

namespace hbpins {

namespace {

// Every mode text is six characters wide, so the types line up.
std::string_view mode_text(vhdl_dir mode) {
  switch (mode) {
    case vhdl_dir::inp:
      return "in    ";
    case vhdl_dir::out:
      return "out   ";
    case vhdl_dir::inout:
      return "inout ";
    default:
      return "buffer";
  }
}

// The name filled with blanks to width columns, followed by at least one blank.
std::string padded_name(std::string_view name, std::size_t width) {
  std::string text(name);
  text.append(name.size() < width ? width - name.size() : 1, ' ');
  return text;
}

// Right-aligned in two columns; a longer number takes the room it needs.
std::string bound_text(std::int16_t value) {
  std::string text = int_to_text(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), ' ');
  return text;
}

std::string comment_line(const vhdl_port_type& port) {
  return "-- " + std::string(port.name.view()) + '\n';
}

std::string declaration_line(const vhdl_port_type& port) {
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

std::string association_line(const vhdl_port_type& port) {
  if (port.mode == vhdl_dir::comment) return comment_line(port);
  const std::string name = vhdl_name(port.name);
  return "    " + padded_name(name, 20) + "=> " + name + ",\n";
}

}  // namespace

void write_declarations(hb_module_type& config, std::ostream& out, std::ostream& messages,
                        bool with_board_signals, bool with_slots) {
  collect_ports(config, messages, with_board_signals, with_slots);
  write_decl_lines(config.entity, out);
}

void write_port_map(hb_module_type& config, std::ostream& out, std::ostream& messages) {
  collect_ports(config, messages, false, true);
  write_map_lines(config.entity, out);
}

void write_decl_lines(const vhdl_entity_type& entity, std::ostream& out) {
  for (int i = 0; i < entity.count; ++i) out << declaration_line(entity.ports[i]);
}

void write_map_lines(const vhdl_entity_type& entity, std::ostream& out) {
  for (int i = 0; i < entity.count; ++i) out << association_line(entity.ports[i]);
}

}  // namespace hbpins
