#include "assembly/board_configuration.h"

#include "catalogue/board_catalogue.h"

namespace hbpins {

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
