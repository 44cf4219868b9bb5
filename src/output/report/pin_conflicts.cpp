#include "output/report/pin_conflicts.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>
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

// The vectors are numbered in the order their first bits come, and every
// bit is sorted by its vector's number and its index: one sort of pairs of
// numbers, no list per vector.
std::string missing_vector_bits(const pin_list& pins) {
  std::vector<std::string_view> vectors;
  std::unordered_map<std::string_view, std::size_t> number_of;
  std::vector<std::pair<std::size_t, std::int16_t>> bits;
  for (const pin_group& group : pins.groups) {
    for (const resolved_pin& pin : group.pins) {
      const std::optional<vector_bit> bit = vector_bit_of(pin.name, pin.checked);
      if (!bit) continue;
      const auto [number, fresh] = number_of.try_emplace(bit->base_name, vectors.size());
      if (fresh) vectors.push_back(bit->base_name);
      bits.emplace_back(number->second, bit->index);
    }
  }
  std::sort(bits.begin(), bits.end());
  std::string list;
  for (std::size_t k = 1; k < bits.size(); ++k) {
    if (bits[k].first != bits[k - 1].first) continue;
    for (int index = bits[k - 1].second + 1; index < bits[k].second; ++index) {
      start_item(list);
      list.append(vectors[bits[k].first]).append("<").append(std::to_string(index)) += '>';
    }
  }
  return list;
}

}  // namespace hbpins
