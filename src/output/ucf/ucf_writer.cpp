#include "output/ucf/ucf_writer.h"

#include <string>

#include "output/ucf/ucf_format.h"

namespace hbpins {

namespace {

// NET "name"<blanks> LOC = "P181"<blanks>| IOSTANDARD = LVTTL | PULLUP ;
// The blanks put LOC in column 39 for names up to 31 characters (a longer
// one gets one blank) and the bar after a location field of five
// characters, the location prefix not counted.
void append_constraint(std::string& text, const resolved_pin& pin, std::size_t prefix_length) {
  text.append("NET \"").append(pin.name) += '"';
  text.append(pin.name.size() < 32 ? 32 - pin.name.size() : 1, ' ');
  text.append(" LOC = \"").append(pin.location) += '"';
  text.append(5 - (pin.location.size() - prefix_length), ' ');
  text.append("| IOSTANDARD = ").append(pin.dir->standard);
  if (!pin.dir->pull.empty()) text.append(" | ").append(pull_keyword(pin.dir->pull));
  text += " ;\n";
}

void append_heading(std::string& text, const pin_group& group) {
  const std::string slot = std::to_string(group.slot);
  switch (group.kind) {
    case group_kind::module:
      text.append("# QM").append(std::to_string(group.module)).append(" on slot ").append(slot);
      break;
    case group_kind::general_io:
      text.append("# unspecified QM-Module on slot ").append(slot);
      break;
    case group_kind::empty:
      text.append("# Empty slot ").append(slot);
      break;
    case group_kind::board_signals:
      return;
  }
  text += '\n';
}

void append_timing(std::string& text, std::string_view clock_net) {
  text.append("# Timing\nNET \"").append(clock_net).append("\" TNM_NET = \"").append(clock_net);
  text.append("\";\nTIMESPEC \"TS_CLK\" = PERIOD \"").append(clock_net) += "\" 10 ns HIGH 50 %;\n";
}

}  // namespace

// The file is made in one text, a few dozen KiB at most, and written at once.
void write_ucf(const pin_list& pins, std::ostream& out) {
  std::string text = "# HB" + std::to_string(pins.board) + '\n';
  const std::size_t prefix_length = pins.location_prefix.size();
  for (const pin_group& group : pins.groups) {
    append_heading(text, group);
    for (const resolved_pin& pin : group.pins) append_constraint(text, pin, prefix_length);
  }
  const std::vector<resolved_pin>& board_signals = pins.board_signals().pins;
  append_timing(text, board_signals.empty() ? std::string_view() : board_signals.front().name);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace hbpins
