#include "assembly/board_configuration.h"

#include "assembly/slot_assignment.h"
#include "catalogue/board_catalogue.h"

namespace hbpins {

void select_board(hb_module_type& config, std::uint16_t number, std::ostream& out) {
  // Only numbers above 700 are board numbers; 700 itself is no index.
  const std::uint16_t index = number > number_base ? number - number_base : number;
  if (index <= 255 && find_board(static_cast<std::uint8_t>(index)) != nullptr) {
    config.hb_index = static_cast<std::uint8_t>(index);
  } else {
    out << "Incorrect HB nr " << number << '\n';
    config.hb_index = rejected_board_index;
  }
  for (std::uint8_t s = 0; s < slot_count(config); ++s)
    set_module(config.slots[s], empty_module_index, 0, s, config.hb_index, out);
  load_board_signals(config);
}

void load_board_signals(hb_module_type& config) {
  for (pin_type& signal : config.board_signals) signal.dir = direction::nc;
  config.board_signal_count = 0;
  const board_entry* board = find_board(config.hb_index);
  if (board == nullptr) return;
  for (std::span<const pin_type> table : board->signal_tables) {
    for (const pin_type& row : table) {
      if (config.board_signal_count >= config.board_signals.size()) return;
      config.board_signals[config.board_signal_count++] = row;
    }
  }
}

void place_module(hb_module_type& config, std::uint16_t slot, std::uint16_t module,
                  std::uint16_t modification, std::ostream& out) {
  // A slot the board does not have is ignored; the driver checks every slot
  // before it places a module.
  if (slot >= slot_count(config) || slot >= config.slots.size()) return;
  set_module(config.slots[slot], module, static_cast<std::uint8_t>(modification),
             static_cast<std::uint8_t>(slot), config.hb_index, out);
}

std::uint8_t slot_count(const hb_module_type& config) {
  return hb_slot_count(config.hb_index);
}

std::uint16_t board_number(const hb_module_type& config) {
  return static_cast<std::uint16_t>(config.hb_index + number_base);
}

std::uint16_t module_number(const qm_module_type& slot) {
  return static_cast<std::uint16_t>(slot.qm_index + number_base);
}

}  // namespace hbpins
