#include "assembly/location_uses.h"

#include <algorithm>
#include <utility>

namespace hbpins {

namespace {

constexpr std::size_t key_characters = 7;

// The first seven characters of a location, big end first and padded with
// zeros, then its length, which tells "A1" from "A1" and a zero byte: two
// locations of up to seven characters compare as their keys do. Longer ones
// share the length 8, and their texts decide between equal keys.
std::uint64_t location_key(std::string_view location) {
  std::uint64_t key = 0;
  for (std::size_t k = 0; k < key_characters; ++k)
    key = key << 8 | (k < location.size() ? static_cast<unsigned char>(location[k]) : 0u);
  return key << 8 | std::min(location.size(), key_characters + 1);
}

bool is_long(std::uint64_t key) {
  return (key & 0xff) > key_characters;
}

std::string_view location_of(const signal_on_pin& signal) {
  return signal.pin->location;
}

using keyed_signal = std::pair<std::uint64_t, signal_on_pin>;

// The texts are read only where the keys cannot decide.
bool comes_before(const keyed_signal& a, const keyed_signal& b) {
  if (a.first != b.first) return a.first < b.first;
  return is_long(a.first) && location_of(a.second) < location_of(b.second);
}

// Signals that share a key by their locations' texts, and a text among them.
struct text_order {
  bool operator()(const signal_on_pin& a, std::string_view b) const { return location_of(a) < b; }
  bool operator()(std::string_view a, const signal_on_pin& b) const { return a < location_of(b); }
};

}  // namespace

// One vector searched by halves, over keys that compare as numbers where two
// texts would take a call: no table entry and no vector per location.
pin_uses uses_by_location(const pin_list& pins) {
  std::vector<keyed_signal> keyed;
  for (const pin_group& group : pins.groups)
    for (const resolved_pin& pin : group.pins)
      keyed.push_back({location_key(pin.location), {&group, &pin}});
  // Stable: the signals on one location stay in the order of the pin list.
  std::stable_sort(keyed.begin(), keyed.end(), comes_before);
  pin_uses uses;
  uses.keys.reserve(keyed.size());
  uses.signals.reserve(keyed.size());
  for (const auto& [key, signal] : keyed) {
    uses.keys.push_back(key);
    uses.signals.push_back(signal);
  }
  return uses;
}

// A location has one signal, seldom two: they are counted from the first.
std::span<const signal_on_pin> signals_on(const pin_uses& uses, std::string_view location) {
  const std::uint64_t key = location_key(location);
  const auto low = std::lower_bound(uses.keys.begin(), uses.keys.end(), key);
  const auto first = static_cast<std::size_t>(low - uses.keys.begin());
  std::size_t last = first;
  while (last < uses.keys.size() && uses.keys[last] == key) ++last;
  const auto same_key = std::span(uses.signals).subspan(first, last - first);
  if (!is_long(key)) return same_key;
  const auto [from, to] =
      std::equal_range(same_key.begin(), same_key.end(), location, text_order{});
  return {from, to};
}

std::size_t end_of_location(const pin_uses& uses, std::size_t first) {
  const std::uint64_t key = uses.keys[first];
  std::size_t last = first + 1;
  while (last < uses.keys.size() && uses.keys[last] == key &&
         (!is_long(key) || location_of(uses.signals[last]) == location_of(uses.signals[first])))
    ++last;
  return last;
}

}  // namespace hbpins
