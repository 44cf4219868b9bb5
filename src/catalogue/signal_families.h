#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "catalogue/pin_records.h"

namespace hbpins {

// The signals of a module variant or of a board, by the VHDL port they make:
// a plain signal, or a vector of bits with one port mode. VHDL does not tell
// upper from lower case, so neither do the keys.
struct signal_family {
  bool is_vector = false;
  direction dir = direction::nc;
  std::string first_name;
  std::map<std::int16_t, std::string> bits;  // where each bit is, for a vector
  std::string where;                         // where the first signal is
};
using signal_families = std::map<std::string, signal_family>;

// Adds a well-formed signal found at where ("position 5", "location A2").
// The problem, if it repeats a name, mixes a plain signal with a vector of
// that name, or gives a vector a second port mode; empty otherwise.
std::string add_signal(signal_families& families, std::string_view name, direction dir,
                       const std::string& where);

}  // namespace hbpins
