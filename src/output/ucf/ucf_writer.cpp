#include "output/ucf/ucf_writer.h"

#include <string>

#include "catalogue/text/write_text.h"
#include "output/ucf/ucf_format.h"

namespace hbpins {

namespace {

// A name of up to 31 characters is followed by blanks up to column 39,
// where LOC stands; a longer one by one blank.
constexpr std::size_t name_column = 32;

// The locations after the board's prefix are at most max_location_length
// characters, as the board check makes sure: the column holds the longest
// and a blank.
constexpr std::size_t location_column = max_location_length + 1;

std::size_t blanks_after(std::size_t length, std::size_t column) {
  return length < column ? column - length : 1;
}

// NET "name"<blanks> LOC = "P181"<blanks>| IOSTANDARD = LVTTL | PULLUP ;
void append_constraint(std::string& text, const resolved_pin& pin, std::size_t prefix_length) {
  text.append("NET \"").append(pin.name) += '"';
  text.append(blanks_after(pin.name.size(), name_column), ' ');
  text.append(" LOC = \"").append(pin.location) += '"';
  text.append(blanks_after(pin.location.size() - prefix_length, location_column), ' ');
  text.append("| IOSTANDARD = ").append(pin.io->standard);
  if (!pin.io->pull.empty()) text.append(" | ").append(pull_keyword(pin.io->pull));
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

void write_ucf(const pin_list& pins, std::ostream& out) {
  std::string text = "# " + board_name(pins.board_number) + '\n';
  const std::size_t prefix_length = pins.location_prefix.size();
  for (const pin_group& group : pins.groups) {
    append_heading(text, group);
    for (const resolved_pin& pin : group.pins) append_constraint(text, pin, prefix_length);
  }
  const std::vector<resolved_pin>& board_signals = pins.board_signals().pins;
  append_timing(text, board_signals.empty() ? std::string_view() : board_signals.front().name);
  write_text(out, text);
}

}  // namespace hbpins
