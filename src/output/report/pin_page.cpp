#include "output/report/pin_page.h"

#include <sstream>
#include <string>

#include "catalogue/text/write_text.h"
#include "output/report/package_picture.h"
#include "output/report/page/page_files.h"
#include "output/report/page_markers.h"
#include "output/report/pin_report.h"

namespace hbpins {

namespace {

// The picture as the SVG writer draws it; inside HTML the <svg> element
// stands without the XML declaration before it.
std::string picture_part(const pin_list& pins, const pin_uses& uses) {
  std::ostringstream svg;
  write_package_picture(pins, uses, svg);
  std::string text = std::move(svg).str();
  if (text.starts_with("<?xml")) text.erase(0, text.find('\n') + 1);
  return text;
}

// The report goes into a script element as it is: signal names hold
// letters, digits, underscores and vector brackets, and the other fields
// are numbers and fixed words, so that no field can hold the "</" that
// would end the element.
std::string report_part(const pin_list& pins, const pin_uses& uses) {
  std::ostringstream json;
  write_json_report(pins, uses, json);
  return std::move(json).str();
}

// The words for group_kind, in its order.
constexpr std::string_view kind_words[] = {"board", "module", "empty", "general_io"};

void append_slot(std::string& text, const pin_group& group, const slot_wiring& wiring,
                 std::string_view prefix) {
  text.append("{\"slot\": ").append(std::to_string(group.slot));
  text.append(", \"module\": ").append(std::to_string(group.module));
  text.append(", \"variant\": ");
  text.append(group.has_variants ? std::to_string(group.variant) : "null");
  text.append(", \"kind\": \"").append(kind_words[static_cast<int>(group.kind)]);
  text.append("\", \"wired\": [");
  for (int position = first_position; position <= last_position; ++position) {
    if (position > first_position) text += ", ";
    if (is_wired(wiring[position]))
      ((text += '"').append(prefix).append(wiring[position].view())) += '"';
    else
      text += "null";
  }
  text += "]}";
}

// What the connectors show besides the report's rows: the module on every
// slot, also on one that brings no signal, and the FPGA location the board
// wires each position 3 to 34 to (null where it wires none), so that a
// position without a signal shows as free or as not wired. One slot a line:
// {"slots": [
// {"slot": 0, "module": 735, "variant": 1, "kind": "module", "wired": ["A3", ...]}
// ]}
std::string wiring_part(const pin_list& pins) {
  std::string text = "{\"slots\": [";
  for (const pin_group& group : pins.groups) {
    if (group.kind == group_kind::board_signals) continue;
    text += group.slot == 0 ? "\n" : ",\n";
    append_slot(text, group, pins.connectors[group.slot], pins.location_prefix);
  }
  text += "\n]}\n";
  return text;
}

}  // namespace

void write_pin_page(const pin_list& pins, const pin_uses& uses, std::ostream& out) {
  const std::string picture = picture_part(pins, uses);
  const std::string report = report_part(pins, uses);
  const std::string wiring = wiring_part(pins);
  const marker_part parts[] = {{"style", page_css},
                               {"script", page_js},
                               {"picture", picture},
                               {"report", report},
                               {"wiring", wiring}};
  const std::string page = fill_markers(page_html, parts);
  write_text(out, page);
}

}  // namespace hbpins
