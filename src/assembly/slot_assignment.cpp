#include "assembly/slot_assignment.h"

namespace hbpins {

std::string int_to_text(std::int16_t value) {
  return std::to_string(value);
}

}  // namespace hbpins
