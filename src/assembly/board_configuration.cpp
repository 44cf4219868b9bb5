#include "assembly/board_configuration.h"

namespace hbpins {

bool select_board(board_configuration& config, const board_entry& board) {
  if (slot_count(board) > config.slots.size()) return false;
  config = board_configuration{&board, {}};
  return true;
}

placement place_module(board_configuration& config, std::uint32_t slot, const module_entry* module,
                       std::uint8_t variant) {
  if (slot >= slot_count(config)) return placement::no_such_slot;
  if (module == nullptr || module->kind == module_kind::listing_only)
    return placement::no_such_module;
  const std::size_t variants = module->variants.size();
  if (variants > 1 && variant >= variants) return placement::no_such_variant;
  config.slots[slot] = {module, variant};
  return placement::done;
}

bool has_board(const board_configuration& config) {
  return config.board != nullptr;
}

std::size_t slot_count(const board_configuration& config) {
  return has_board(config) ? slot_count(*config.board) : 0;
}

std::uint16_t board_number(const board_configuration& config) {
  return has_board(config) ? config.board->number : static_cast<std::uint16_t>(number_base);
}

}  // namespace hbpins
