#include "output/listing/pinout_listing.h"

#include <string>
#include <string_view>

#include "catalogue/direction_table.h"
#include "catalogue/text/write_text.h"

namespace hbpins {

namespace {

// What one connector pin shows: the signal, and its direction and electrical
// standard as the module sees them.
struct pin_texts {
  std::string_view label;
  std::string_view direction_word;
  std::string_view standard_word;
};

constexpr pin_texts power_pin = {"+5V", "in", "power"};
constexpr pin_texts ground_pin = {"GND", "in", "power"};
constexpr pin_texts unused_pin = {"-", "-", "NC"};

// An unconnected row shows "-" in place of its name "NC".
pin_texts signal_texts(const qm_pin_row_type& row) {
  const direction_entry& io = direction_info(row.dir);
  const std::string_view label = row.dir == direction::nc ? "-" : row.name.view();
  return {label, io.listing_direction, io.listing_standard};
}

// The pins before the connector positions carry +5V, those after them
// ground.
pin_texts connector_pin_texts(const module_pin_table& table, int pin) {
  if (pin < first_position) return power_pin;
  if (pin > last_position) return ground_pin;
  const int row = pin - table.first_position;
  if (row < 0 || row >= static_cast<int>(table.rows.size())) return unused_pin;
  return signal_texts(table.rows[static_cast<std::size_t>(row)]);
}

// Pads on the left up to width; a longer text is kept whole.
void append_right_aligned(std::string& line, std::string_view text, std::size_t width) {
  if (text.size() < width) line.append(width - text.size(), ' ');
  line.append(text);
}

// Pads on the right up to width; a longer text is kept whole.
void append_left_aligned(std::string& line, std::string_view text, std::size_t width) {
  line.append(text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

// Connector pin numbers have one or two digits.
void append_pin_number(std::string& line, int pin, std::size_t width) {
  const char digits[2] = {static_cast<char>('0' + pin / 10), static_cast<char>('0' + pin % 10)};
  append_right_aligned(
      line, pin < 10 ? std::string_view(digits + 1, 1) : std::string_view(digits, 2), width);
}

// A name in a field of 15 that ends where its column ends; a longer one
// keeps a blank before it, apart from the column to its left.
void append_label_right_aligned(std::string& line, std::string_view label) {
  line.push_back(' ');
  append_right_aligned(line, label, 14);
}

void append_one_column_line(std::string& lines, int pin, const pin_texts& texts) {
  append_pin_number(lines, pin, 2);
  append_label_right_aligned(lines, texts.label);
  append_right_aligned(lines, texts.direction_word, 6);
  append_right_aligned(lines, texts.standard_word, 7);
  lines.push_back('\n');
}

// The even pin on the left, mirrored so that its number meets the odd pin's
// number in the middle, as the two pin rows face each other on the connector.
void append_two_column_line(std::string& lines, int even_pin, const pin_texts& even,
                            const pin_texts& odd) {
  append_right_aligned(lines, even.standard_word, 7);
  append_right_aligned(lines, even.direction_word, 6);
  append_label_right_aligned(lines, even.label);
  append_pin_number(lines, even_pin, 3);
  lines.append("   ");
  append_pin_number(lines, even_pin - 1, 2);
  lines.push_back(' ');
  // A long name keeps at least one blank before the blank that separates it
  // from its direction.
  lines.append(odd.label);
  lines.append(odd.label.size() < 15 ? 15 - odd.label.size() : 1, ' ');
  lines.push_back(' ');
  append_left_aligned(lines, odd.direction_word, 6);
  lines.push_back(' ');
  append_left_aligned(lines, odd.standard_word, 7);
  lines.push_back('\n');
}

std::string pin_lines(const module_pin_table& table, table_format format) {
  std::string lines;
  if (format == table_format::text1c) {
    lines.reserve(connector_pins * 31);
    for (int pin = 1; pin <= connector_pins; ++pin)
      append_one_column_line(lines, pin, connector_pin_texts(table, pin));
  } else if (format == table_format::text2c) {
    lines.reserve(connector_pins / 2 * 68);
    for (int pin = 2; pin <= connector_pins; pin += 2)
      append_two_column_line(lines, pin, connector_pin_texts(table, pin),
                             connector_pin_texts(table, pin - 1));
  }
  return lines;
}

}  // namespace

void print_module_pinout(std::ostream& out, const module_entry& module, table_format format) {
  out << "QM" << module.number << " pin table (direction shown for the QM board!)\n";
  const std::span<const module_pin_table> variants = module.variants;
  for (std::size_t variant = 0; variant < variants.size(); ++variant) {
    if (variants.size() > 1) out << "modification " << variant + 1 << '\n';
    write_text(out, pin_lines(variants[variant], format));
  }
}

}  // namespace hbpins
