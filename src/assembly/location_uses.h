#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "assembly/pin_list.h"

namespace hbpins {

// A signal with the group it belongs to.
struct signal_on_pin {
  const pin_group* group;
  const resolved_pin* pin;
};

// The signals on each FPGA location: every signal of the pin list, sorted by
// location, those on one location in the order of the pin list. keys[k]
// stands for the location of signals[k], and orders as its text does.
struct pin_uses {
  std::vector<std::uint64_t> keys;
  std::vector<signal_on_pin> signals;
};
pin_uses uses_by_location(const pin_list& pins);

// The signals on a location; none where it carries no signal.
std::span<const signal_on_pin> signals_on(const pin_uses& uses, std::string_view location);

// Where the run of signals on the location of signals[first] ends.
std::size_t end_of_location(const pin_uses& uses, std::size_t first);

// Calls each(location, signals) for every location that carries a signal, in
// the order of the location names.
template <typename Each>
void for_each_location(const pin_uses& uses, Each each) {
  const std::span<const signal_on_pin> all = uses.signals;
  for (std::size_t first = 0, last = 0; first < all.size(); first = last) {
    last = end_of_location(uses, first);
    each(std::string_view(all[first].pin->location), all.subspan(first, last - first));
  }
}

}  // namespace hbpins
