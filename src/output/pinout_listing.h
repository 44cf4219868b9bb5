#pragma once

#include <cstdint>
#include <ostream>
#include <span>

#include "catalogue/module_records.h"

namespace hbpins {

enum class table_format : std::uint8_t {
  text1c,  // one connector pin per line
  text2c,  // two connector pins per line, the even pin mirrored on the left
  wiki1c,  // header lines only
};

// The listing shows the catalogue modules 700 to 740 only; 953, 954 and 955
// are the test and empty-slot modules.
inline constexpr std::uint16_t last_listed_index = 252;

// Number is a module number (700 and above) or a module index. False, with
// nothing printed, for a module the listing refuses.
bool print_module_pinout(std::ostream& out, std::uint16_t number, table_format layout);

}  // namespace hbpins
