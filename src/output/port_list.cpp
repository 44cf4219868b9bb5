#include "output/port_list.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

namespace hbpins {

namespace {

constexpr std::size_t none = bracket_scan::none;

void report(std::ostream& messages, std::string_view text, std::string_view message) {
  messages << "Port " << text << " => " << message << '\n';
}

void append(port_list& list, std::string_view text, const vhdl_port& port, std::ostream& messages) {
  if (list.ports.size() >= max_ports) {
    report(messages, text, "Port list full, entry dropped!");
    return;
  }
  list.ports.push_back(port);
}

void merge_element(vhdl_port& port, std::string_view base_name, bool is_vector, std::int16_t index,
                   vhdl_dir mode, std::ostream& messages) {
  if (port.is_vector != is_vector) {
    messages << "Error! " << base_name << " declared once as scalar, once as vector!\n";
  } else if (!is_vector) {
    messages << "Error! " << base_name << " declared twice as scalar!\n";
  } else if (port.mode != mode) {
    messages << "Error! " << base_name << '<' << index
             << "> has different direction from the rest!\n";
  } else {
    port.low = std::min(port.low, index);
    port.high = std::max(port.high, index);
  }
}

// A slot's ports, after a comment line that names what the slot holds; the
// general-IO module 955 has neither.
void collect_slot(port_list& list, const pin_group& group, std::ostream& messages) {
  const std::string slot = std::to_string(group.slot);
  if (group.kind == group_kind::module)
    add_port(list, "QM" + std::to_string(group.module) + " on slot " + slot, vhdl_dir::comment,
             messages);
  else if (group.kind == group_kind::empty)
    add_port(list, "Slot " + slot + " is empty", vhdl_dir::comment, messages);
  for (const resolved_pin& pin : group.pins) add_port(list, pin.name, pin.dir->mode, messages);
}

}  // namespace

void add_port(port_list& list, std::string_view text, vhdl_dir mode, std::ostream& messages) {
  vhdl_port port;
  port.mode = mode;
  if (mode == vhdl_dir::comment) {
    port.name = text;
    append(list, text, port, messages);
    return;
  }
  const bracket_scan scan = scan_brackets(text);
  if (!scan.failure.empty()) {
    report(messages, text, scan.failure);
    return;
  }
  std::string_view base_name = text;
  if (scan.open != none) {
    const std::size_t index_length = scan.close == none ? 0 : scan.close - scan.open - 1;
    const auto index = parse_index(text.substr(scan.open + 1, index_length));
    if (!index) {
      report(messages, text, "Error converting the index to number!");
      return;
    }
    base_name = text.substr(0, scan.open);
    port.is_vector = true;
    port.low = port.high = *index;
  }
  // A longer name could only be stored cut, as a port the signal is not.
  if (base_name.size() > max_port_name_length) {
    report(messages, text, "Name longer than 32 characters!");
    return;
  }
  port.name = base_name;
  const int found = find_port(list, base_name, messages);
  if (found < 0) {
    append(list, text, port, messages);
  } else {
    merge_element(list.ports[static_cast<std::size_t>(found)], base_name, port.is_vector, port.low,
                  mode, messages);
  }
}

std::string port_name_of(std::string_view name) {
  const bracket_scan scan = scan_brackets(name);
  if (!scan.failure.empty()) return {};
  if (scan.open == none) return name.size() > max_port_name_length ? std::string() : std::string(name);
  const std::optional<vector_bit> bit = vector_bit_of(name);
  return bit ? std::string(bit->base_name) : std::string();
}

int find_port(const port_list& list, std::string_view base_name, std::ostream& messages) {
  int found = -1;
  for (std::size_t i = 0; i < list.ports.size(); ++i) {
    const vhdl_port& port = list.ports[i];
    if (port.mode == vhdl_dir::comment || port.name.view() != base_name) continue;
    if (found < 0) {
      found = static_cast<int>(i);
    } else {
      messages << "Same name " << base_name << " found more than once!\n";
    }
  }
  return found;
}

port_list collect_ports(const pin_list& pins, bool with_board_signals, bool with_slots,
                        std::ostream& messages) {
  port_list list;
  if (with_board_signals)
    for (const resolved_pin& pin : pins.board_signals().pins)
      add_port(list, pin.name, pin.dir->mode, messages);
  if (with_slots)
    for (std::size_t g = 1; g < pins.groups.size(); ++g)
      collect_slot(list, pins.groups[g], messages);
  return list;
}

}  // namespace hbpins
