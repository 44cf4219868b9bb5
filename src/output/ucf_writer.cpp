#include "output/ucf_writer.h"

#include <string>

namespace hbpins {

namespace {

// The I/O standard with its pull resistor: "LVTTL | PULLUP".
std::string io_standard(const direction_entry& dir) {
  std::string text(dir.standard);
  if (dir.pull == "up") text += " | PULLUP";
  if (dir.pull == "down") text += " | PULLDOWN";
  return text;
}

// NET "name"<blanks> LOC = "P181"<blanks>| IOSTANDARD = LVTTL ;
// The blanks put LOC in column 39 for names up to 31 characters (a longer
// one gets one blank) and the bar after a location field of five
// characters, the location prefix not counted.
void write_constraint(std::ostream& out, const resolved_pin& pin, std::size_t prefix_length) {
  std::string line = "NET \"" + pin.name + '"';
  line.append(pin.name.size() < 32 ? 32 - pin.name.size() : 1, ' ');
  line += " LOC = \"" + pin.location + '"';
  line.append(5 - (pin.location.size() - prefix_length), ' ');
  line += "| IOSTANDARD = " + io_standard(*pin.dir) + " ;\n";
  out << line;
}

void write_heading(std::ostream& out, const pin_group& group) {
  const int slot = group.slot;
  switch (group.kind) {
    case group_kind::module:
      out << "# QM" << group.module << " on slot " << slot << '\n';
      break;
    case group_kind::general_io:
      out << "# unspecified QM-Module on slot " << slot << '\n';
      break;
    case group_kind::empty:
      out << "# Empty slot " << slot << '\n';
      break;
    case group_kind::board_signals:
      break;
  }
}

void write_timing(std::ostream& out, std::string_view clock_net) {
  out << "# Timing\n"
      << "NET \"" << clock_net << "\" TNM_NET = \"" << clock_net << "\";\n"
      << "TIMESPEC \"TS_CLK\" = PERIOD \"" << clock_net << "\" 10 ns HIGH 50 %;\n";
}

}  // namespace

void write_ucf(const pin_list& pins, std::ostream& out) {
  out << "# HB" << pins.board << '\n';
  const std::size_t prefix_length = pins.location_prefix.size();
  for (const pin_group& group : pins.groups) {
    write_heading(out, group);
    for (const resolved_pin& pin : group.pins) write_constraint(out, pin, prefix_length);
  }
  const std::vector<resolved_pin>& board_signals = pins.board_signals().pins;
  write_timing(out, board_signals.empty() ? std::string_view() : board_signals.front().name);
}

}  // namespace hbpins
