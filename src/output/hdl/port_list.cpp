#include "output/hdl/port_list.h"

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>

namespace hbpins {

namespace {

void report(std::ostream& messages, std::string_view text, std::string_view message) {
  messages << "Port " << text << " => " << message << '\n';
}

void append(port_list& list, std::string_view text, const vhdl_port& port, std::ostream& messages) {
  if (list.ports.size() >= max_ports) {
    report(messages, text, "Port list full, entry dropped!");
    return;
  }
  append_port(list, port);
}

void merge_element(vhdl_port& port, std::string_view base_name, bool is_vector, std::int16_t index,
                   port_mode mode, std::ostream& messages) {
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
    add_port(list, "QM" + std::to_string(group.module) + " on slot " + slot, port_mode::comment,
             messages);
  else if (group.kind == group_kind::empty)
    add_port(list, "Slot " + slot + " is empty", port_mode::comment, messages);
  for (const resolved_pin& pin : group.pins)
    add_checked_port(list, pin.name, pin.checked, pin.io->mode, messages);
}

// The index lives inside the list, twice as many slots as it holds ports,
// so that a port costs no allocation of its own. FNV-1a: a few instructions
// a character for names of a few dozen.
std::size_t name_hash(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

// A name's slots of the index, from the one of its hash on; with the list's
// max_ports entries at most half of them are taken, so a free one comes.
std::size_t first_slot(const port_list& list, std::string_view name) {
  return name_hash(name) % list.by_name.size();
}
std::size_t next_slot(const port_list& list, std::size_t slot) {
  return (slot + 1) % list.by_name.size();
}

}  // namespace

void add_port(port_list& list, std::string_view text, port_mode mode, std::ostream& messages) {
  if (mode != port_mode::comment) {
    add_checked_port(list, text, check_name(text), mode, messages);
    return;
  }
  vhdl_port port;
  port.mode = mode;
  port.name = text;
  append(list, text, port, messages);
}

void add_checked_port(port_list& list, std::string_view name, const name_check& check,
                      port_mode mode, std::ostream& messages) {
  if (!check.failure.empty()) {
    report(messages, name, check.failure);
    return;
  }
  vhdl_port port;
  port.mode = mode;
  port.name = port_name(name, check);
  port.is_vector = check.index.has_value();
  port.low = port.high = check.index.value_or(0);
  const int found = find_port(list, port.name, messages);
  if (found < 0) {
    append(list, name, port, messages);
  } else {
    merge_element(list.ports[static_cast<std::size_t>(found)], port.name, port.is_vector, port.low,
                  mode, messages);
  }
}

// Entries past max_ports, which only append_port can add, stay out of the
// index.
void append_port(port_list& list, const vhdl_port& port) {
  list.ports.push_back(port);
  if (port.mode == port_mode::comment || list.ports.size() > max_ports) return;
  std::size_t slot = first_slot(list, port.name);
  while (list.by_name[slot] != 0) slot = next_slot(list, slot);
  list.by_name[slot] = static_cast<std::uint16_t>(list.ports.size());
}

// A later entry of a name sits further along the name's slots.
int find_port(const port_list& list, std::string_view base_name, std::ostream& messages) {
  int found = -1;
  for (std::size_t slot = first_slot(list, base_name); list.by_name[slot] != 0;
       slot = next_slot(list, slot)) {
    const int entry = list.by_name[slot] - 1;
    if (list.ports[static_cast<std::size_t>(entry)].name != base_name) continue;
    if (found < 0)
      found = entry;
    else
      messages << "Same name " << base_name << " found more than once!\n";
  }
  return found;
}

port_list collect_ports(const pin_list& pins, bool with_board_signals, bool with_slots,
                        std::ostream& messages) {
  port_list list;
  if (with_board_signals)
    for (const resolved_pin& pin : pins.board_signals().pins)
      add_checked_port(list, pin.name, pin.checked, pin.io->mode, messages);
  if (with_slots)
    for (std::size_t g = 1; g < pins.groups.size(); ++g)
      collect_slot(list, pins.groups[g], messages);
  return list;
}

collected_ports collect_ports(const pin_list& pins, bool with_board_signals, bool with_slots) {
  std::ostringstream messages;
  port_list list = collect_ports(pins, with_board_signals, with_slots, messages);
  return {std::move(list), std::move(messages).str()};
}

}  // namespace hbpins
