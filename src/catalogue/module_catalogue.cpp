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

const module_entry* find_module(const module_catalogue& modules, std::uint32_t number) {
  for (const module_entry& entry : builtin_modules)
    if (entry.number == number) return &entry;
  const loaded_module* loaded = find_loaded(modules, number);
  return loaded == nullptr ? nullptr : &loaded->entry;
}

const loaded_module* find_loaded(const module_catalogue& modules, std::uint32_t number) {
  for (const auto& module : modules.loaded)
    if (module->entry.number == number) return module.get();
  return nullptr;
}

bool is_listed(const module_entry& module) {
  return module.kind == module_kind::pin_tables || module.kind == module_kind::listing_only;
}

std::vector<const module_entry*> listed_modules(const module_catalogue& modules) {
  std::vector<const module_entry*> listed;
  for (const module_entry& entry : builtin_modules)
    if (is_listed(entry)) listed.push_back(&entry);
  for (const auto& module : modules.loaded) listed.push_back(&module->entry);
  return listed;
}

std::optional<module_pin_table> lookup_module_table(const module_entry& module,
                                                    std::uint8_t modification) {
  if (module.variants.size() == 1) return module.variants[0];
  if (module.variants.size() == 2 && modification < 2) return module.variants[modification];
  return std::nullopt;
}

const module_entry& empty_module() {
  return *std::find_if(
      builtin_modules.begin(), builtin_modules.end(),
      [](const module_entry& entry) { return entry.kind == module_kind::empty_slot; });
}

}  // namespace hbpins
