#include "output/pin_conflicts.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "assembly/board_configuration.h"
#include "catalogue/board_catalogue.h"
#include "output/port_list.h"

namespace hbpins {

namespace {

// Calls visit for every signal of the configuration, in the order of the
// UCF file, with the location prefix of its board.
void for_each_signal(const hb_module_type& config,
                     const std::function<void(const pin_type&, std::string_view)>& visit) {
  const std::string_view prefix = loc_prefix(config.hb_index);
  for (const pin_type& pin : config.board_signals)
    if (pin.dir != direction::nc) visit(pin, prefix);
  for (int s = 0; s < slot_count(config); ++s)
    for (const pin_type& pin : config.slots[s].pins.entries)
      if (pin.dir != direction::nc) visit(pin, prefix);
}

void append_item(std::string& list, const std::string& item) {
  if (!list.empty()) list += ", ";
  list += item;
}

}  // namespace

std::string shared_locations(const hb_module_type& config) {
  std::vector<std::string> order;
  std::map<std::string, std::string> signals_on;
  for_each_signal(config, [&](const pin_type& pin, std::string_view prefix) {
    const std::string location = std::string(prefix) + std::string(pin.loc.view());
    std::string& names = signals_on[location];
    if (names.empty())
      order.push_back(location);
    else
      names += ' ';
    names += pin.name.view();
  });
  std::string list;
  for (const std::string& location : order)
    if (signals_on[location].find(' ') != std::string::npos)
      append_item(list, location + " (" + signals_on[location] + ")");
  return list;
}

std::string missing_vector_bits(const hb_module_type& config) {
  std::vector<std::string> order;
  std::map<std::string, std::set<int>> bits_of;
  for_each_signal(config, [&](const pin_type& pin, std::string_view) {
    const std::optional<vector_bit> bit = vector_bit_of(pin.name);
    if (!bit) return;
    std::set<int>& bits = bits_of[std::string(bit->base_name)];
    if (bits.empty()) order.emplace_back(bit->base_name);
    bits.insert(bit->index);
  });
  std::string list;
  for (const std::string& base : order) {
    const std::set<int>& bits = bits_of[base];
    for (int index = *bits.begin(); index < *bits.rbegin(); ++index)
      if (!bits.contains(index)) append_item(list, base + "<" + std::to_string(index) + ">");
  }
  return list;
}

}  // namespace hbpins
