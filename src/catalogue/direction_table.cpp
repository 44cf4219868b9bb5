// What each pin direction means to the outputs: its I/O standard and pull
// resistor in the UCF file, its port mode in the VHDL files, and the words
// of the module pin listing.

#include "catalogue/direction_table.h"

#include <iterator>

namespace hbpins {

namespace {

constexpr direction_entry directions[] = {
    {direction::se_in, "LVTTL", "", port_mode::inp, "out", "LVTTL"},
    {direction::se_in_up, "LVTTL", "up", port_mode::inp, "out", "LVTTL"},
    {direction::se_in_dn, "LVTTL", "down", port_mode::inp, "out", "LVTTL"},
    {direction::se_out, "LVTTL", "", port_mode::out, "in", "LVTTL"},
    {direction::se_bidir, "LVTTL", "", port_mode::inout, "bidir", "LVTTL"},
    {direction::se_bidir_up, "LVTTL", "up", port_mode::inout, "bidir", "LVTTL"},
    {direction::se_bidir_dn, "LVTTL", "down", port_mode::inout, "bidir", "LVTTL"},
    {direction::lvds_in_p, "LVDS_25", "", port_mode::inp, "out", "LVDS_p"},
    {direction::lvds_in_n, "LVDS_25", "", port_mode::inp, "out", "LVDS_n"},
    {direction::lvds_out_p, "LVDS_25", "", port_mode::out, "in", "LVDS_p"},
    {direction::lvds_out_n, "LVDS_25", "", port_mode::out, "in", "LVDS_n"},
    {direction::nc, "", "", port_mode::inp, "-", "NC"},
};

// Looked up by the direction's value.
constexpr bool in_value_order() {
  for (std::size_t i = 0; i < std::size(directions); ++i)
    if (static_cast<std::size_t>(directions[i].dir) != i) return false;
  return true;
}
static_assert(in_value_order() &&
              std::size(directions) == static_cast<std::size_t>(direction::nc) + 1);

}  // namespace

const direction_entry& direction_info(direction dir) {
  return directions[static_cast<std::size_t>(dir)];
}

std::string_view mode_name(port_mode mode) {
  constexpr std::string_view names[] = {"in", "out", "inout", "buffer", ""};
  return names[static_cast<std::size_t>(mode)];
}

}  // namespace hbpins
