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

// "A2 (BCBUS_<5> BCBUS_<6>)"
void append_shared(std::string& list, std::string_view location,
                   std::span<const signal_on_pin> signals) {
  start_item(list);
  list.append(location) += " (";
  for (const signal_on_pin& signal : signals) {
    if (&signal != &signals.front()) list += ' ';
    list += signal.pin->name;
  }
  list += ')';
}

}  // namespace

// In the order of the location names.
std::string shared_locations(const pin_uses& uses) {
  std::string list;
  for_each_location(uses, [&list](std::string_view location, auto signals) {
    if (signals.size() > 1) append_shared(list, location, signals);
  });
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
