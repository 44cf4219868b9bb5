#include "output/port_list.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>

#include "assembly/board_configuration.h"
#include "assembly/slot_assignment.h"

namespace hbpins {

namespace {

constexpr std::size_t none = std::string_view::npos;
constexpr std::size_t max_name_length = decltype(vhdl_port_type::name){}.chars.size();

bool is_open_bracket(char c) {
  return c == '(' || c == '<' || c == '[';
}
bool is_close_bracket(char c) {
  return c == ')' || c == '>' || c == ']';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Where a signal name opens and closes its index (positions from 0), or why
// it cannot be a port name.
struct bracket_scan {
  std::string_view failure;
  std::size_t open = none;
  std::size_t close = none;
};

// The tests run at every character in a fixed order, and the first failure
// decides the message; the two brackets need not be of the same kind.
bracket_scan scan_brackets(std::string_view text) {
  bracket_scan scan;
  auto fail = [&scan](std::string_view message) {
    scan.failure = message;
    return scan;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (is_open_bracket(c)) {
      if (scan.open != none) return fail("More than one open brackets detected!");
      if (i == 0) return fail("Name starts with bracket!");
      scan.open = i;
    }
    if (is_close_bracket(c)) {
      if (scan.close != none) return fail("More than one closing brackets detected!");
      scan.close = i;
    }
    const bool opened = scan.open != none;
    const bool closed = scan.close != none;
    if (closed && !opened) return fail("Closing bracket before opening bracket!");
    if (opened && closed && scan.close == scan.open + 1) {
      return fail("Closing bracket direct after opening bracket!");
    }
    if (opened && !closed && i > scan.open && !is_digit(c)) {
      return fail("no number characters in the index part!");
    }
    if (closed && scan.close + 1 < text.size()) {
      return fail("Closing bracket is not the last character in the name!");
    }
  }
  return scan;
}

// Only digits reach here; an empty text or a value above the signed 16-bit
// range is no index.
std::optional<std::int16_t> parse_index(std::string_view text) {
  std::int16_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

void report(std::ostream& messages, std::string_view text, std::string_view message) {
  messages << "Port " << text << " => " << message << '\n';
}

void append(vhdl_entity_type& entity, std::string_view text, const vhdl_port_type& port,
            std::ostream& messages) {
  if (entity.count >= max_ports) {
    report(messages, text, "Port list full, entry dropped!");
    return;
  }
  entity.ports[entity.count] = port;
  ++entity.count;
}

void merge_element(vhdl_port_type& port, std::string_view base_name, bool is_vector,
                   std::int16_t index, vhdl_dir mode, std::ostream& messages) {
  if (port.is_vector != is_vector) {
    messages << "Error! " << base_name << " declared once as scalar, once as vector!\n";
  } else if (!is_vector) {
    messages << "Error! " << base_name << " declared twice as scalar!\n";
  } else if (port.mode != mode) {
    messages << "Error! " << base_name << '<' << int_to_text(index)
             << "> has different direction from the rest!\n";
  } else {
    port.low = std::min(port.low, index);
    port.high = std::max(port.high, index);
  }
}

void collect_slot(vhdl_entity_type& entity, const qm_module_type& slot, std::uint8_t number,
                  std::ostream& messages) {
  const std::string slot_text = int_to_text(number);
  if (slot.qm_index < empty_module_index) {
    const auto module = static_cast<std::int16_t>(module_number(slot));
    add_port(entity, "QM" + int_to_text(module) + " on slot " + slot_text, vhdl_dir::comment,
             messages);
  } else if (slot.qm_index == empty_module_index) {
    add_port(entity, "Slot " + slot_text + " is empty", vhdl_dir::comment, messages);
  }
  for (int position = first_position; position <= last_position; ++position) {
    const pin_type& pin = slot.pins[position];
    if (pin.dir != direction::nc) add_port(entity, pin.name, vhdl_mode(pin.dir), messages);
  }
}

}  // namespace

vhdl_dir vhdl_mode(direction dir) {
  switch (dir) {
    case direction::se_out:
    case direction::lvds_out_p:
    case direction::lvds_out_n:
      return vhdl_dir::out;
    case direction::se_bidir:
    case direction::se_bidir_up:
    case direction::se_bidir_dn:
      return vhdl_dir::inout;
    default:
      return vhdl_dir::inp;
  }
}

void init(vhdl_entity_type& entity) {
  entity.ports.fill(vhdl_port_type{});
  entity.count = 0;
  entity.cursor = 0;
}

void add_port(vhdl_entity_type& entity, std::string_view text, vhdl_dir mode,
              std::ostream& messages) {
  vhdl_port_type port;
  port.mode = mode;
  if (mode == vhdl_dir::comment) {
    port.name = text;
    append(entity, text, port, messages);
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
  if (base_name.size() > max_name_length) {
    report(messages, text, "Name longer than 32 characters!");
    return;
  }
  port.name = base_name;
  const int found = find_port(entity, base_name, messages);
  if (found < 0) {
    append(entity, text, port, messages);
  } else {
    merge_element(entity.ports[found], base_name, port.is_vector, port.low, mode, messages);
  }
}

std::optional<vector_bit> vector_bit_of(std::string_view name) {
  const bracket_scan scan = scan_brackets(name);
  if (!scan.failure.empty() || scan.open == none) return std::nullopt;
  const std::size_t index_length = scan.close == none ? 0 : scan.close - scan.open - 1;
  const auto index = parse_index(name.substr(scan.open + 1, index_length));
  if (!index || scan.open > max_name_length) return std::nullopt;
  return vector_bit{name.substr(0, scan.open), *index};
}

int find_port(const vhdl_entity_type& entity, std::string_view base_name, std::ostream& messages) {
  int found = -1;
  for (int i = 0; i < entity.count; ++i) {
    const vhdl_port_type& port = entity.ports[i];
    if (port.mode == vhdl_dir::comment || port.name.view() != base_name) continue;
    if (found < 0) {
      found = i;
    } else {
      messages << "Same name " << base_name << " found more than once!\n";
    }
  }
  return found;
}

std::uint16_t port_count(const vhdl_entity_type& entity) {
  return entity.count;
}

bool first_port(vhdl_entity_type& entity, vhdl_port_type& port) {
  entity.cursor = 0;
  return next_port(entity, port);
}

bool next_port(vhdl_entity_type& entity, vhdl_port_type& port) {
  if (entity.cursor >= entity.count) return false;
  port = entity.ports[entity.cursor];
  ++entity.cursor;
  return true;
}

void collect_ports(hb_module_type& config, std::ostream& messages, bool with_board_signals,
                   bool with_slots) {
  init(config.entity);
  if (with_board_signals) {
    for (const pin_type& pin : config.board_signals) {
      if (pin.dir != direction::nc) add_port(config.entity, pin.name, vhdl_mode(pin.dir), messages);
    }
  }
  if (!with_slots) return;
  const std::uint8_t slots = std::min<std::uint8_t>(slot_count(config), max_slots);
  for (std::uint8_t s = 0; s < slots; ++s)
    collect_slot(config.entity, config.slots[s], s, messages);
}

}  // namespace hbpins
