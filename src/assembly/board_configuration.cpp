#include "assembly/board_configuration.h"

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"

namespace hbpins {

bool select_board(board_configuration& config, std::uint16_t number) {
  // Only numbers above 700 are board numbers; 700 itself is no index.
  const std::uint16_t index = number > number_base ? number - number_base : number;
  if (index > 255 || find_board(static_cast<std::uint8_t>(index)) == nullptr) return false;
  config = board_configuration{static_cast<std::uint8_t>(index), {}};
  return true;
}

placement place_module(board_configuration& config, std::uint16_t slot, std::uint16_t module,
                       std::uint8_t modification) {
  if (slot >= slot_count(config)) return placement::no_such_slot;
  const std::uint16_t index = module_index(module);
  if (!is_supported_module(index)) return placement::no_such_module;
  const std::size_t variants = module_variants(index).size();
  if (variants > 1 && modification >= variants) return placement::no_such_variant;
  config.slots[slot] = {static_cast<std::uint8_t>(index), modification};
  return placement::done;
}

std::uint8_t slot_count(const board_configuration& config) {
  return hb_slot_count(config.board_index);
}

std::uint16_t board_number(const board_configuration& config) {
  return static_cast<std::uint16_t>(config.board_index + number_base);
}

}  // namespace hbpins
