#include "assembly/board_configuration.h"

namespace hbpins {

void select_board(board_configuration& config, const board_entry& board) {
  config = board_configuration{&board, {}};
}

bool select_board(board_configuration& config, std::uint32_t number) {
  const board_entry* board = find_board(number);
  if (board != nullptr) select_board(config, *board);
  return board != nullptr;
}

placement place_module(board_configuration& config, std::uint32_t slot, const module_entry* module,
                       std::uint8_t modification) {
  if (slot >= slot_count(config)) return placement::no_such_slot;
  if (module == nullptr || module->kind == module_kind::listing_only)
    return placement::no_such_module;
  const std::size_t variants = module->variants.size();
  if (variants > 1 && modification >= variants) return placement::no_such_variant;
  config.slots[slot] = {module, modification};
  return placement::done;
}

std::uint8_t slot_count(const board_configuration& config) {
  return config.board == nullptr ? 0 : config.board->slot_count;
}

std::uint16_t board_number(const board_configuration& config) {
  return config.board == nullptr ? static_cast<std::uint16_t>(number_base) : config.board->number;
}

}  // namespace hbpins
