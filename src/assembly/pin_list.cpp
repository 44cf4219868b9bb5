#include "assembly/pin_list.h"

namespace hbpins {

namespace {

// A signal of the group: its name checked once, here, and its location as
// the outputs write it, after the board's prefix.
void add_pin(pin_group& group, std::string name, std::string_view prefix, const loc_text& loc,
             int position, direction dir) {
  resolved_pin& pin = group.pins.emplace_back();
  pin.checked = check_name(name);
  pin.name = std::move(name);
  pin.location.assign(prefix).append(loc.view());
  pin.position = static_cast<std::uint8_t>(position);
  pin.io = &direction_info(dir);
}

// The table's rows on consecutive positions from its first one; every
// signal named after its slot: "QM" + slot + "_" + the module's name, which
// module_records.h makes sure fits a signal name.
void map_pin_table(pin_group& group, const slot_wiring& wiring, std::string_view prefix,
                   const module_pin_table& table) {
  const std::string slot_prefix = "QM" + std::to_string(group.slot) + "_";
  group.pins.reserve(position_count);
  int position = table.first_position;
  // A connector position that the board leaves unconnected carries no
  // signal, whatever the module puts there.
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
  group.pins.reserve(position_count);
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
    map_general_io(group, wiring, board.location_prefix);
  } else {
    group.kind = group_kind::module;
    group.has_variants = module.variants.size() > 1;
    group.variant = group.has_variants ? placed.variant : 0;
    if (const auto table = lookup_module_table(module, placed.variant))
      map_pin_table(group, wiring, board.location_prefix, *table);
  }
  return group;
}

}  // namespace

pin_list resolve_pins(const board_configuration& config) {
  pin_list list;
  list.board_number = board_number(config);
  list.groups.emplace_back();
  const board_entry* board = config.board;
  if (board == nullptr) return list;
  list.location_prefix = board->location_prefix;
  list.package = board->package;
  list.connectors = board->connectors;
  list.groups.reserve(1 + slot_count(*board));
  std::size_t signal_count = 0;
  for (std::span<const pin_type> table : board->signal_tables) signal_count += table.size();
  list.groups.front().pins.reserve(signal_count);
  for (std::span<const pin_type> table : board->signal_tables)
    for (const pin_type& signal : table)
      add_pin(list.groups.front(), std::string(signal.name.view()), board->location_prefix,
              signal.loc, 0, signal.dir);
  for (std::size_t s = 0; s < slot_count(*board); ++s)
    list.groups.push_back(slot_group(*board, static_cast<std::uint8_t>(s), config.slots[s]));
  return list;
}

}  // namespace hbpins
