#include "catalogue/module_file/module_file_fields.h"

#include "catalogue/text/ascii_case.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

struct field_reader {
  std::vector<std::string>& problems;
  bool good = true;

  void fail(std::string message) {
    problems.push_back(std::move(message));
    good = false;
  }
};

// A number of the range, or nothing with the field's problem added; the
// range as `expected` gives it.
std::optional<std::uint32_t> number_in(field_reader& row, std::string_view column,
                                       std::string_view text, number_range range,
                                       const std::string& expected) {
  const std::optional<std::uint32_t> number = decimal_number(text);
  if (has_leading_zero(text))
    row.fail(std::string(column) + ": expected a number without leading zeros, found " +
             quoted(text));
  else if (!number || !range.contains(*number))
    row.fail(std::string(column) + ": expected " + expected + ", found " + quoted(text));
  else
    return number;
  return std::nullopt;
}

std::uint32_t number_in(field_reader& row, std::string_view column, std::string_view text,
                        number_range range) {
  return number_in(row, column, text, range, "a number from " + range_text(range)).value_or(0);
}

std::uint8_t variant(field_reader& row, std::string_view text) {
  if (text.empty()) return 0;
  const std::string expected =
      std::to_string(module_variants.first) + " or " + std::to_string(module_variants.last);
  return static_cast<std::uint8_t>(
      number_in(row, "variant", text, module_variants, expected).value_or(0));
}

// Whether the name is one is for the module check to say; a longer name
// would not fit the row.
fixed_text<max_module_name_length> signal_name(field_reader& row, std::string_view text) {
  if (text.size() > max_module_name_length)
    row.fail("signal: expected at most " + std::to_string(max_module_name_length) +
             " characters, found " + std::to_string(text.size()) + " in " + quoted(text));
  return text;
}

// The direction of a row's signal, by its direction word and its standard,
// and its position for the half of an LVDS pair.
direction signal_direction(field_reader& row, std::string_view written_direction,
                           std::string_view written_standard, int at) {
  if (written_standard.empty()) written_standard = default_standard;
  const std::string_view word = direction_word(written_direction);
  const std::string_view standard = standard_word(written_standard);
  if (word.empty())
    row.fail("direction: expected " + direction_word_list() + ", found " +
             quoted(written_direction));
  if (standard.empty())
    row.fail("standard: expected " + standard_word_list() + ", found " + quoted(written_standard));
  const std::optional<module_file_direction> entry = direction_of_words(word, standard);
  if (!word.empty() && !standard.empty() && !entry)
    row.fail("standard: expected " + std::string(default_standard) + " with direction " +
             std::string(word) + ", found " + quoted(written_standard));
  if (!row.good) return direction::nc;
  return at % 2 == 1 ? entry->on_odd : entry->on_even;
}

}  // namespace

std::optional<module_file_row> read_module_file_row(
    const std::array<std::string_view, module_file_column_count>& fields,
    std::vector<std::string>& problems) {
  field_reader row{problems};
  module_file_row read;
  read.module = static_cast<std::uint16_t>(
      number_in(row, "module", fields[module_column], loadable_module_numbers));
  read.variant = variant(row, fields[variant_column]);
  read.position = static_cast<std::uint8_t>(
      number_in(row, "position", fields[position_column], connector_positions));
  read.pin.name = signal_name(row, fields[signal_column]);
  read.pin.dir =
      signal_direction(row, fields[direction_column], fields[standard_column], read.position);
  if (!row.good) return std::nullopt;
  return read;
}

}  // namespace hbpins
