#pragma once

#include <cstdint>
#include <string_view>

#include "catalogue/pin_records.h"

namespace hbpins {

enum class port_mode : std::uint32_t {
  inp,
  out,
  inout,
  buffer,
  comment,  // not a port: the name is a line of comment text
};

// Everything the outputs say about a direction.
struct direction_entry {
  direction dir;
  std::string_view standard;  // the I/O standard: LVTTL or LVDS_25
  std::string_view pull;      // "up", "down" or empty
  port_mode mode;             // the VHDL port mode
  // The pin listing shows the module's side: what the FPGA receives, the
  // module drives.
  std::string_view listing_direction;
  std::string_view listing_standard;
};

const direction_entry& direction_info(direction dir);

// The VHDL word of a port mode: "in", "out", "inout", "buffer".
std::string_view mode_name(port_mode mode);

}  // namespace hbpins
