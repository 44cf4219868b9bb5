#pragma once

#include <array>
#include <cstdint>

#include "catalogue/fixed_text.h"

namespace hbpins {

enum class vhdl_dir : std::uint32_t {
  inp,
  out,
  inout,
  buffer,
  comment,  // not a port: the name is a line of comment text
};

struct vhdl_port_type {
  fixed_text<32> name;
  vhdl_dir mode = vhdl_dir::inp;
  std::int16_t low = 0;
  std::int16_t high = 0;
  bool is_vector = false;
};

inline constexpr int max_ports = 256;

struct vhdl_entity_type {
  std::array<vhdl_port_type, max_ports> ports;
  std::uint16_t count = 0;
  std::uint16_t cursor = 0;
};

}  // namespace hbpins
