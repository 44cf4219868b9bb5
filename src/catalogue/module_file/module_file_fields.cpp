#include "catalogue/module_file/module_file_fields.h"

#include "catalogue/text/ascii_case.h"
#include "catalogue/text/message_text.h"

namespace hbpins {

namespace {

// Module files take the numbers from 700 to 952; 953 to 955 are the test
// and empty-slot modules.
constexpr std::uint32_t lowest_module = 700;
constexpr std::uint32_t highest_module = 952;

struct field_reader {
  std::vector<std::string>& problems;
  bool good = true;

  void fail(std::string message) {
    problems.push_back(std::move(message));
    good = false;
  }
};

// The number of a field, or nothing with the field's problem told: the
// range as `expected` says it.
std::optional<std::uint32_t> number_in(field_reader& row, std::string_view column,
                                       std::string_view text, std::uint32_t low, std::uint32_t high,
                                       std::string_view expected) {
  const std::optional<std::uint32_t> number = decimal_number(text);
  if (has_leading_zero(text))
    row.fail(std::string(column) + ": expected a number without leading zeros, found " +
             quoted(text));
  else if (!number || *number < low || *number > high)
    row.fail(std::string(column) + ": expected " + std::string(expected) + ", found " +
             quoted(text));
  else
    return number;
  return std::nullopt;
}

std::uint16_t module_number(field_reader& row, std::string_view text) {
  const std::string expected =
      "a number from " + std::to_string(lowest_module) + " to " + std::to_string(highest_module);
  return static_cast<std::uint16_t>(
      number_in(row, "module", text, lowest_module, highest_module, expected).value_or(0));
}

std::uint8_t variant(field_reader& row, std::string_view text) {
  if (text.empty()) return 0;
  return static_cast<std::uint8_t>(number_in(row, "variant", text, 0, 1, "0 or 1").value_or(0));
}

std::uint8_t position(field_reader& row, std::string_view text) {
  const std::string expected =
      "a number from " + std::to_string(first_position) + " to " + std::to_string(last_position);
  return static_cast<std::uint8_t>(
      number_in(row, "position", text, first_position, last_position, expected).value_or(0));
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
  read.module = module_number(row, fields[module_column]);
  read.variant = variant(row, fields[variant_column]);
  read.position = position(row, fields[position_column]);
  read.pin.name = signal_name(row, fields[signal_column]);
  read.pin.dir =
      signal_direction(row, fields[direction_column], fields[standard_column], read.position);
  if (!row.good) return std::nullopt;
  return read;
}

}  // namespace hbpins
