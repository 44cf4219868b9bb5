#include "assembly/pin_list.h"

#include <algorithm>

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"

namespace hbpins {

namespace {

// A connector position that the board leaves unconnected carries no signal,
// whatever the module puts there.
bool is_wired(const loc_text& location) {
  return location.view() != "0";
}

// A signal of the group: its name checked once, here, and its location as
// the outputs write it, after the board's prefix.
void add_pin(pin_group& group, std::string name, std::string_view prefix, const loc_text& loc,
             int position, direction dir) {
  resolved_pin& pin = group.pins.emplace_back();
  pin.checked = check_name(name);
  pin.name = std::move(name);
  pin.location.assign(prefix).append(loc.view());
  pin.position = static_cast<std::uint8_t>(position);
  pin.dir = &direction_info(dir);
}

// The table's rows on consecutive positions from its first one; every
// signal named after its slot: "QM" + slot + "_" + the module's name, which
// module_records.h makes sure fits a signal name.
void map_pin_table(pin_group& group, const slot_wiring& wiring, std::string_view prefix,
                   const module_pin_table& table) {
  const std::string slot_prefix = "QM" + std::to_string(group.slot) + "_";
  int position = table.first_position;
  for (const qm_pin_row_type& row : table.rows) {
    if (position > last_position) break;
    if (is_wired(wiring[position]) && row.dir != direction::nc) {
      std::string name = slot_prefix;
      name += row.name.view();
      add_pin(group, std::move(name), prefix, wiring[position], position, row.dir);
    }
    ++position;
  }
}

// Module 955: one bidirectional signal on every wired position, named after
// the slot and the position: "QM<" + slot + "><" + position + ">".
void map_general_io(pin_group& group, const slot_wiring& wiring, std::string_view prefix) {
  for (int k = first_position; k <= last_position; ++k) {
    if (!is_wired(wiring[k])) continue;
    std::string name = "QM<" + std::to_string(group.slot) + "><" + std::to_string(k) + ">";
    add_pin(group, std::move(name), prefix, wiring[k], k, direction::se_bidir);
  }
}

pin_group slot_group(const board_entry& board, std::uint8_t slot, const placed_slot& placed) {
  const module_entry& module = *placed.module;
  pin_group group;
  group.slot = slot;
  group.module = module.number;
  const slot_wiring& wiring = board.connectors[slot];
  if (module.kind == module_kind::empty_slot) {
    group.kind = group_kind::empty;
  } else if (module.kind == module_kind::general_io) {
    group.kind = group_kind::general_io;
    map_general_io(group, wiring, board.loc_prefix);
  } else {
    group.kind = group_kind::module;
    group.has_variants = module.variants.size() > 1;
    group.variant = group.has_variants ? placed.modification : 0;
    if (const auto table = lookup_module_table(module, placed.modification))
      map_pin_table(group, wiring, board.loc_prefix, *table);
  }
  return group;
}

constexpr std::size_t key_characters = 7;

// The first seven characters of a location, big end first and padded with
// zeros, then its length, which tells "A1" from "A1" and a zero byte: two
// locations of up to seven characters compare as their keys do. Longer ones
// share the length 8, and their texts decide between equal keys.
std::uint64_t location_key(std::string_view location) {
  std::uint64_t key = 0;
  for (std::size_t k = 0; k < key_characters; ++k)
    key = key << 8 | (k < location.size() ? static_cast<unsigned char>(location[k]) : 0u);
  return key << 8 | std::min(location.size(), key_characters + 1);
}

struct location_probe {
  std::uint64_t key;
  std::string_view text;
};

bool comes_before(const location_probe& a, const location_probe& b) {
  if (a.key != b.key) return a.key < b.key;
  const bool long_texts = (a.key & 0xff) > key_characters;
  return long_texts && a.text < b.text;
}

// Signals by their locations, and a location among them.
struct location_order {
  static location_probe of(const signal_on_pin& s) { return {s.location_key, s.pin->location}; }
  bool operator()(const signal_on_pin& a, const signal_on_pin& b) const {
    return comes_before(of(a), of(b));
  }
  bool operator()(const signal_on_pin& a, const location_probe& b) const {
    return comes_before(of(a), b);
  }
  bool operator()(const location_probe& a, const signal_on_pin& b) const {
    return comes_before(a, of(b));
  }
};

}  // namespace

pin_list resolve_pins(const board_configuration& config) {
  pin_list list;
  list.board = board_number(config);
  list.groups.emplace_back();
  const board_entry* board = config.board;
  if (board == nullptr) return list;
  list.location_prefix = board->loc_prefix;
  list.package = board->package;
  for (std::span<const pin_type> table : board->signal_tables)
    for (const pin_type& signal : table)
      add_pin(list.groups.front(), std::string(signal.name.view()), board->loc_prefix, signal.loc,
              0, signal.dir);
  for (std::uint8_t s = 0; s < board->slot_count; ++s)
    list.groups.push_back(slot_group(*board, s, config.slots[s]));
  return list;
}

pin_uses uses_by_location(const pin_list& pins) {
  pin_uses uses;
  for (const pin_group& group : pins.groups)
    for (const resolved_pin& pin : group.pins)
      uses.signals.push_back({&group, &pin, location_key(pin.location)});
  // Stable: the signals on one location stay in the order of the pin list.
  std::stable_sort(uses.signals.begin(), uses.signals.end(), location_order{});
  return uses;
}

std::span<const signal_on_pin> signals_on(const pin_uses& uses, std::string_view location) {
  const location_probe probe{location_key(location), location};
  const auto [first, last] =
      std::equal_range(uses.signals.begin(), uses.signals.end(), probe, location_order{});
  return {first, last};
}

std::span<const signal_on_pin> first_location(std::span<const signal_on_pin> signals) {
  const auto last = std::find_if(signals.begin(), signals.end(), [&](const signal_on_pin& s) {
    return location_order{}(signals.front(), s);
  });
  return signals.first(static_cast<std::size_t>(last - signals.begin()));
}

}  // namespace hbpins
