#include "output/pin_conflicts.h"

#include <map>
#include <set>
#include <vector>

#include "output/port_list.h"

namespace hbpins {

namespace {

void append_item(std::string& list, const std::string& item) {
  if (!list.empty()) list += ", ";
  list += item;
}

}  // namespace

std::string shared_locations(const pin_list& pins) {
  std::string list;
  for (const auto& [location, signals] : uses_by_location(pins)) {
    if (signals.size() < 2) continue;
    std::string names;
    for (const signal_on_pin& signal : signals)
      names += (names.empty() ? "" : " ") + signal.pin->name;
    append_item(list, std::string(location) + " (" + names + ")");
  }
  return list;
}

std::string missing_vector_bits(const pin_list& pins) {
  std::vector<std::string> order;
  std::map<std::string, std::set<int>> bits_of;
  for (const pin_group& group : pins.groups) {
    for (const resolved_pin& pin : group.pins) {
      const std::optional<vector_bit> bit = vector_bit_of(pin.name);
      if (!bit) continue;
      std::set<int>& bits = bits_of[std::string(bit->base_name)];
      if (bits.empty()) order.emplace_back(bit->base_name);
      bits.insert(bit->index);
    }
  }
  std::string list;
  for (const std::string& base : order) {
    const std::set<int>& bits = bits_of[base];
    for (int index = *bits.begin(); index < *bits.rbegin(); ++index)
      if (!bits.contains(index)) append_item(list, base + "<" + std::to_string(index) + ">");
  }
  return list;
}

}  // namespace hbpins
