#include "output/report/pin_report.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/text/csv_fields.h"
#include "catalogue/text/escaped_text.h"
#include "catalogue/text/write_text.h"
#include "output/hdl/vhdl_names.h"
#include "output/report/report_labels.h"

namespace hbpins {

namespace {

constexpr std::array<std::string_view, 10> columns = {"slot",     "module",    "position", "signal",
                                                      "location", "direction", "standard", "pull",
                                                      "port",     "conflict"};
using report_row = std::array<std::string_view, columns.size()>;

// The slot and the position are numbers; an empty field has no value.
constexpr bool is_number_column(std::size_t column) {
  return column == 0 || column == 2;
}

// Each row's fields are the pin's own texts where it has them; the others
// are made in texts that every row reuses.
struct row_texts {
  std::string label;
  std::string slot;
  std::array<char, 8> position{};
  std::string port;
  std::string others;
};

std::string_view position_text(row_texts& texts, const pin_group& group, const resolved_pin& pin) {
  if (group.kind == group_kind::board_signals) return {};
  char* begin = texts.position.data();
  return {begin, std::to_chars(begin, begin + texts.position.size(), int{pin.position}).ptr};
}

// The other signals on the pin's location, separated by blanks.
std::string_view other_signals(row_texts& texts, const pin_uses& uses, const resolved_pin& pin) {
  texts.others.clear();
  for (const signal_on_pin& other : signals_on(uses, pin.location)) {
    if (other.pin == &pin) continue;
    if (!texts.others.empty()) texts.others += ' ';
    texts.others += other.pin->name;
  }
  return texts.others;
}

std::string_view port_text(row_texts& texts, const resolved_pin& pin) {
  texts.port.clear();
  const std::string_view port = port_name(pin.name, pin.checked);
  if (!port.empty()) append_vhdl_name(texts.port, port);
  return texts.port;
}

// Hands the fields of every row in turn to write_row.
template <typename Write>
void for_each_row(const pin_list& pins, const pin_uses& uses, Write write_row) {
  row_texts texts;
  for (const pin_group& group : pins.groups) {
    texts.label = module_label(pins, group);
    texts.slot = group.kind == group_kind::board_signals ? "" : std::to_string(group.slot);
    for (const resolved_pin& pin : group.pins) {
      write_row(report_row{texts.slot, texts.label, position_text(texts, group, pin), pin.name,
                           pin.location, mode_name(pin.io->mode), pin.io->standard, pin.io->pull,
                           port_text(texts, pin), other_signals(texts, uses, pin)});
    }
  }
}

bool needs_json_escape(char c) {
  return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

void append_json_escape(std::string& text, char c) {
  static constexpr char hex[] = "0123456789abcdef";
  if (c == '"' || c == '\\')
    (text += '\\') += c;
  else
    (text += "\\u00") += {hex[(c >> 4) & 0xf], hex[c & 0xf]};
}

void append_json_string(std::string& text, std::string_view field) {
  text += '"';
  append_escaped(text, field, needs_json_escape, append_json_escape);
  text += '"';
}

void append_json_value(std::string& text, std::size_t column, std::string_view field) {
  if (field.empty())
    text += "null";
  else if (is_number_column(column))
    text += field;
  else
    append_json_string(text, field);
}

}  // namespace

void write_csv_report(const pin_list& pins, const pin_uses& uses, std::ostream& out) {
  std::string text;
  for (std::string_view column : columns) text.append(column) += ',';
  text.back() = '\n';
  for_each_row(pins, uses, [&text](const report_row& row) {
    for (std::string_view field : row) {
      append_csv_field(text, field);
      text += ',';
    }
    text.back() = '\n';
  });
  write_text(out, text);
}

// One object per line, a comma after every one but the last.
void write_json_report(const pin_list& pins, const pin_uses& uses, std::ostream& out) {
  std::string text = "{\"board\": " + std::to_string(pins.board_number) + ", \"pins\": [";
  bool first = true;
  for_each_row(pins, uses, [&](const report_row& row) {
    text += first ? "\n{\"" : ",\n{\"";
    first = false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) text += ", \"";
      text.append(columns[c]) += "\": ";
      append_json_value(text, c, row[c]);
    }
    text += '}';
  });
  text += "\n]}\n";
  write_text(out, text);
}

}  // namespace hbpins
