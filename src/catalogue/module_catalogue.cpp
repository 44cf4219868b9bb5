#include "catalogue/module_catalogue.h"

namespace hbpins {

namespace {

const module_entry* find_module(std::uint16_t index) {
  for (const module_entry& entry : module_catalogue)
    if (entry.number - number_base == index) return &entry;
  return nullptr;
}

}  // namespace

std::uint16_t module_index(std::uint16_t number) {
  return number > number_base ? static_cast<std::uint16_t>(number - number_base) : number;
}

bool is_supported_module(std::uint16_t index) {
  return find_module(index) != nullptr;
}

std::optional<module_pin_table> lookup_module_table(std::uint8_t index, std::uint8_t modification) {
  std::span<const module_pin_table> variants = module_variants(index);
  if (variants.size() == 1) return variants[0];
  if (variants.size() == 2 && modification < 2) return variants[modification];
  return std::nullopt;
}

std::span<const module_pin_table> module_variants(std::uint16_t index) {
  const module_entry* entry = find_module(index);
  if (entry == nullptr) return {};
  return entry->variants;
}

}  // namespace hbpins
