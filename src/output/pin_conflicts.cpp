#include "output/pin_conflicts.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace hbpins {

namespace {

void start_item(std::string& list) {
  if (!list.empty()) list += ", ";
}

}  // namespace

// In the order of the location names.
std::string shared_locations(const pin_uses& uses) {
  std::vector<const pin_uses::value_type*> shared;
  for (const pin_uses::value_type& use : uses)
    if (use.second.size() > 1) shared.push_back(&use);
  std::sort(shared.begin(), shared.end(), [](auto a, auto b) { return a->first < b->first; });
  std::string list;
  for (const pin_uses::value_type* use : shared) {
    start_item(list);
    list.append(use->first) += " (";
    for (const signal_on_pin& signal : use->second) {
      if (&signal != &use->second.front()) list += ' ';
      list += signal.pin->name;
    }
    list += ')';
  }
  return list;
}

std::string missing_vector_bits(const pin_list& pins) {
  std::vector<std::string_view> order;
  std::unordered_map<std::string_view, std::vector<std::int16_t>> bits_of;
  for (const pin_group& group : pins.groups) {
    for (const resolved_pin& pin : group.pins) {
      const std::optional<vector_bit> bit = vector_bit_of(pin.name, pin.checked);
      if (!bit) continue;
      std::vector<std::int16_t>& bits = bits_of[bit->base_name];
      if (bits.empty()) order.push_back(bit->base_name);
      bits.push_back(bit->index);
    }
  }
  std::string list;
  for (std::string_view base : order) {
    std::vector<std::int16_t>& bits = bits_of[base];
    std::sort(bits.begin(), bits.end());
    for (std::size_t k = 1; k < bits.size(); ++k) {
      for (int index = bits[k - 1] + 1; index < bits[k]; ++index) {
        start_item(list);
        list.append(base).append("<").append(std::to_string(index)) += '>';
      }
    }
  }
  return list;
}

}  // namespace hbpins
