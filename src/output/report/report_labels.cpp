#include "output/report/report_labels.h"

namespace hbpins {

std::string module_label(const pin_list& pins, const pin_group& group) {
  if (group.kind == group_kind::board_signals) return board_name(pins.board_number);
  std::string label = "QM" + std::to_string(group.module);
  if (group.has_variants && group.variant > 0)
    label.append("-").append(std::to_string(group.variant));
  return label;
}

}  // namespace hbpins
