#include "catalogue/module_catalogue.h"

#include <algorithm>

namespace hbpins {

loaded_module::loaded_module(std::uint16_t number, std::string file_name)
    : file(std::move(file_name)), entry{number, {}, module_kind::pin_tables} {}

void loaded_module::set_rows(std::array<std::vector<qm_pin_row_type>, 2> variant_rows,
                             std::array<std::uint8_t, 2> first_positions) {
  rows = std::move(variant_rows);
  for (std::size_t v = 0; v < tables.size(); ++v) tables[v] = {first_positions[v], rows[v]};
  entry.variants = std::span<const module_pin_table>(tables).first(rows[1].empty() ? 1 : 2);
}

bool is_listed(const module_entry& module) {
  return module.kind == module_kind::pin_tables || module.kind == module_kind::listing_only;
}

std::optional<module_pin_table> lookup_module_table(const module_entry& module,
                                                    std::uint8_t variant) {
  if (module.variants.size() == 1) return module.variants[0];
  if (module.variants.size() == 2 && variant < 2) return module.variants[variant];
  return std::nullopt;
}

const module_entry& empty_module() {
  return *std::find_if(
      builtin_modules.begin(), builtin_modules.end(),
      [](const module_entry& entry) { return entry.kind == module_kind::empty_slot; });
}

}  // namespace hbpins
