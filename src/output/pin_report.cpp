#include "output/pin_report.h"

#include <array>
#include <map>
#include <string>
#include <vector>

#include "output/port_list.h"
#include "output/report_labels.h"
#include "output/vhdl_names.h"

namespace hbpins {

namespace {

constexpr std::array<std::string_view, 10> columns = {"slot",     "module",    "position", "signal",
                                                      "location", "direction", "standard", "pull",
                                                      "port",     "conflict"};

// The slot and the position are numbers; an empty field has no value.
struct report_field {
  std::string text;
  bool is_number = false;
};
using report_row = std::array<report_field, columns.size()>;

std::vector<report_row> report_rows(const pin_list& pins) {
  const pin_uses uses = uses_by_location(pins);
  std::vector<report_row> rows;
  for (const pin_group& group : pins.groups) {
    const bool on_slot = group.kind != group_kind::board_signals;
    for (const resolved_pin& pin : group.pins) {
      std::string others;
      for (const signal_on_pin& other : uses.at(pin.location)) {
        if (other.pin == &pin) continue;
        if (!others.empty()) others += ' ';
        others += other.pin->name;
      }
      const std::string port = port_name_of(pin.name);
      rows.push_back({{{on_slot ? std::to_string(group.slot) : "", true},
                       {module_label(pins, group)},
                       {on_slot ? std::to_string(pin.position) : "", true},
                       {pin.name},
                       {pin.location},
                       {std::string(mode_name(pin.dir->mode))},
                       {std::string(pin.dir->standard)},
                       {std::string(pin.dir->pull)},
                       {port.empty() ? "" : vhdl_name(port)},
                       {others}}});
    }
  }
  return rows;
}

// Quoted, with its quotes doubled, where it holds a comma, a quote or a
// line end.
std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string json_value(const report_field& field) {
  if (field.text.empty()) return "null";
  if (field.is_number) return field.text;
  std::string quoted = "\"";
  for (char c : field.text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char hex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += hex[(c >> 4) & 0xf];
      quoted += hex[c & 0xf];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

}  // namespace

void write_csv_report(const pin_list& pins, std::ostream& out) {
  std::string text;
  for (std::string_view column : columns) text += std::string(column) + ",";
  text.back() = '\n';
  for (const report_row& row : report_rows(pins)) {
    for (const report_field& field : row) text += csv_field(field.text) + ",";
    text.back() = '\n';
  }
  out << text;
}

void write_json_report(const pin_list& pins, std::ostream& out) {
  std::string text = "{\"board\": " + std::to_string(pins.board) + ", \"pins\": [\n";
  const std::vector<report_row> rows = report_rows(pins);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < columns.size(); ++c)
      text += (c == 0 ? "{\"" : ", \"") + std::string(columns[c]) + "\": " + json_value(rows[r][c]);
    text += r + 1 < rows.size() ? "},\n" : "}\n";
  }
  out << text << "]}\n";
}

}  // namespace hbpins
