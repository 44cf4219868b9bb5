#pragma once

#include <ostream>

#include "catalogue/pin_records.h"

namespace hbpins {

// Lets test failures name the direction instead of dumping its bytes.
inline void PrintTo(direction dir, std::ostream* os) {
  static constexpr const char* names[] = {"se_in",     "se_in_up",    "se_in_dn",    "se_out",
                                          "se_bidir",  "se_bidir_up", "se_bidir_dn", "lvds_in_p",
                                          "lvds_in_n", "lvds_out_p",  "lvds_out_n",  "nc"};
  const auto value = static_cast<std::size_t>(dir);
  *os << (value < std::size(names) ? names[value] : "direction?");
}

}  // namespace hbpins
