#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "catalogue/number_classes.h"
#include "catalogue/text/fixed_text.h"

namespace hbpins {

// Electrical direction of a pin, always seen from the FPGA: an input is
// driven into the FPGA. `nc` marks a record that carries no signal.
enum class direction : std::uint32_t {
  se_in,
  se_in_up,
  se_in_dn,
  se_out,
  se_bidir,
  se_bidir_up,
  se_bidir_dn,
  lvds_in_p,
  lvds_in_n,
  lvds_out_p,
  lvds_out_n,
  nc,
};

constexpr bool is_lvds(direction dir) {
  return dir >= direction::lvds_in_p && dir <= direction::lvds_out_n;
}
// The p half of an LVDS pair; its n half's direction comes just after it.
constexpr bool is_lvds_p(direction dir) {
  return dir == direction::lvds_in_p || dir == direction::lvds_out_p;
}

using name_text = fixed_text<max_name_length>;
using loc_text = fixed_text<max_location_length>;

// A signal with its FPGA location, as the board signal tables hold them.
struct pin_type {
  name_text name;
  loc_text loc;  // package pin number ("181") or ball name ("AF14")
  direction dir = direction::nc;
};

// Table indexed by connector position.
template <typename T>
struct position_array {
  std::array<T, position_count> entries{};

  constexpr T& operator[](int position) { return entries[position - first_position]; }
  constexpr const T& operator[](int position) const { return entries[position - first_position]; }
};

// The FPGA location behind each connector position of one slot; "0" where the
// board does not wire the position to the FPGA.
using slot_wiring = position_array<loc_text>;

constexpr bool is_wired(const loc_text& location) {
  return location.view() != "0";
}

// A board's wiring of all its slots, one entry per slot: a view of the
// constant catalogue.
using connector_table = std::span<const slot_wiring>;

}  // namespace hbpins
