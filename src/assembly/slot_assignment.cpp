#include "assembly/slot_assignment.h"

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"

namespace hbpins {

namespace {

// A connector position that the board leaves unconnected carries no signal,
// whatever the module puts there.
bool is_wired(const loc_text& location) {
  return location.view() != "0";
}

void clear_pins(qm_module_type& slot) {
  for (pin_type& pin : slot.pins.entries) pin.dir = direction::nc;
}

// Module 955: one bidirectional signal on every wired position, named after
// the slot and the connector position.
void map_general_io(qm_module_type& slot, const qm_array_type& wiring) {
  const std::string prefix = "QM<" + int_to_text(slot.slot) + "><";
  for (int k = first_position; k <= last_position; ++k) {
    if (!is_wired(wiring[k])) continue;
    pin_type& pin = slot.pins[k];
    pin.name.assign(prefix + int_to_text(static_cast<std::int16_t>(k)) + ">");
    pin.loc = wiring[k];
    pin.dir = direction::se_bidir;
  }
}

}  // namespace

void set_module(qm_module_type& slot, std::uint16_t module, std::uint8_t modification,
                std::uint8_t slot_number, std::uint8_t board_index, std::ostream& out) {
  const std::uint16_t index = module_index(module);
  if (is_supported_module(index))
    slot.qm_index = static_cast<std::uint8_t>(index);
  else
    out << "Incorrect QM nr " << module << '\n';
  slot.slot = slot_number;
  slot.modification = modification;
  slot.hb_index = board_index;
  assign_signals(slot, out);
}

void assign_signals(qm_module_type& slot, std::ostream& out) {
  clear_pins(slot);
  const pinout_qm_type connectors = connector_table(slot.hb_index);
  if (connectors.empty()) {
    out << "Incorrect HB nr" << int{slot.hb_index} << '\n';
    return;
  }
  if (slot.slot >= connectors.size()) return;  // never read past the board's slots
  const qm_array_type& wiring = connectors[slot.slot];
  if (!is_supported_module(slot.qm_index)) {
    out << "Incorrect QM nr" << int{slot.qm_index} << " on slot " << int{slot.slot} << '\n';
    return;
  }
  if (slot.qm_index == empty_module_index) return;
  if (slot.qm_index == general_io_index) {
    map_general_io(slot, wiring);
    return;
  }
  if (std::optional<module_pin_table> table = lookup_module_table(slot.qm_index, slot.modification))
    map_pin_table(slot, wiring, *table);
}

void map_pin_table(qm_module_type& slot, const qm_array_type& wiring,
                   const module_pin_table& table) {
  const std::string prefix = "QM" + int_to_text(slot.slot) + "_";
  int k = table.first_position;
  for (const qm_pin_row_type& row : table.rows) {
    if (k > last_position) break;
    if (is_wired(wiring[k]) && row.dir != direction::nc) {
      pin_type& pin = slot.pins[k];
      pin.name.assign(prefix + std::string(row.name.view()));
      pin.loc = wiring[k];
      pin.dir = row.dir;
    }
    ++k;
  }
}

std::string int_to_text(std::int16_t value) {
  return std::to_string(value);
}

}  // namespace hbpins
