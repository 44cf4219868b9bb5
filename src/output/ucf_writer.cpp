#include "output/ucf_writer.h"

#include <string>

#include "assembly/board_configuration.h"
#include "catalogue/board_catalogue.h"

namespace hbpins {

namespace {

// NET "name"<blanks> LOC = "P181"<blanks>| IOSTANDARD = LVTTL ;
// The blanks put LOC in column 39 for names up to 31 characters and the bar
// after a location field of five characters, prefix not counted.
void write_constraint(std::ostream& out, const pin_type& pin, std::string_view prefix) {
  std::string line = "NET \"";
  line += pin.name.view();
  line += '"';
  line.append(pad_count(32, pin.name.size()), ' ');
  line += " LOC = \"";
  line += prefix;
  line += pin.loc.view();
  line += '"';
  line.append(5 - pin.loc.size(), ' ');
  line += "| IOSTANDARD = ";
  line += io_standard(pin.dir);
  line += " ;\n";
  out << line;
}

void write_timing(std::ostream& out, std::string_view clock_net) {
  out << "# Timing\n"
      << "NET \"" << clock_net << "\" TNM_NET = \"" << clock_net << "\";\n"
      << "TIMESPEC \"TS_CLK\" = PERIOD \"" << clock_net << "\" 10 ns HIGH 50 %;\n";
}

}  // namespace

std::string_view io_standard(direction dir) {
  switch (dir) {
    case direction::se_in_up:
    case direction::se_bidir_up:
      return "LVTTL | PULLUP";
    case direction::se_in_dn:
    case direction::se_bidir_dn:
      return "LVTTL | PULLDOWN";
    case direction::lvds_in_p:
    case direction::lvds_in_n:
    case direction::lvds_out_p:
    case direction::lvds_out_n:
      return "LVDS_25";
    default:
      return "LVTTL";
  }
}

std::size_t pad_count(std::size_t width, std::size_t length) {
  return length >= width ? 1 : width - length;
}

void write_slot_ucf(const qm_module_type& slot, std::ostream& out) {
  if (slot.qm_index == empty_module_index) {
    out << "# Empty slot " << int{slot.slot} << '\n';
    return;
  }
  if (slot.qm_index == general_io_index)
    out << "# unspecified QM-Module on slot " << int{slot.slot} << '\n';
  else
    out << "# QM" << module_number(slot) << " on slot " << int{slot.slot} << '\n';
  const std::string_view prefix = loc_prefix(slot.hb_index);
  for (int position = first_position; position <= last_position; ++position)
    if (slot.pins[position].dir != direction::nc)
      write_constraint(out, slot.pins[position], prefix);
}

void write_ucf(const hb_module_type& config, std::ostream& out) {
  const std::string_view clock_net = config.board_signals[0].name.view();
  out << "# HB" << board_number(config) << '\n';
  const std::string_view prefix = loc_prefix(config.hb_index);
  for (const pin_type& signal : config.board_signals)
    if (signal.dir != direction::nc) write_constraint(out, signal, prefix);
  for (int s = 0; s < slot_count(config); ++s) write_slot_ucf(config.slots[s], out);
  write_timing(out, clock_net);
}

}  // namespace hbpins
