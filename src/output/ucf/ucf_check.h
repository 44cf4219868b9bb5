#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "catalogue/text/ascii_case.h"

namespace hbpins {

// What one NET statement of a UCF file says about the pins of a net, the
// values as written: views into the file's text.
struct net_statement {
  std::size_t line = 0;
  std::string_view name;  // a net, or a pattern with * and ?
  std::optional<std::string_view> location;
  std::optional<std::string_view> standard;
  std::string_view pull;  // "up" or "down", the direction table's words; empty: not stated
};

// The pull resistors a UCF file states, by the direction table's words.
struct pull_constraint {
  std::string_view keyword;
  std::string_view pull;
};
inline constexpr pull_constraint pull_constraints[] = {{"PULLUP", "up"}, {"PULLDOWN", "down"}};

// Compares the NET statements of the UCF file `file` with the assembled
// board (its pins, and the signals on each location) and writes one line per difference, in the
// order of the file, then the nets the file does not place, then a summary line. Returns the number
// of differences.
std::size_t check_ucf(const pin_list& pins, const pin_uses& uses,
                      std::span<const net_statement> statements, std::string_view file,
                      std::ostream& out);

}  // namespace hbpins
