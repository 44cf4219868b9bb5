#include "catalogue/signal_names.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace hbpins {

namespace {

constexpr std::size_t none = bracket_scan::none;

bool is_open_bracket(char c) {
  return c == '(' || c == '<' || c == '[';
}
bool is_close_bracket(char c) {
  return c == ')' || c == '>' || c == ']';
}
bool is_bracket(char c) {
  return is_open_bracket(c) || is_close_bracket(c);
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_word_character(char c) {
  return is_letter(c) || is_digit(c) || c == '_';
}

}  // namespace

// The tests run at every character in a fixed order, and the first failure
// decides the message; the two brackets need not be of the same kind. Each
// test needs a bracket at or before the character, so the run starts at the
// first bracket.
bracket_scan scan_brackets(std::string_view text) {
  bracket_scan scan;
  auto fail = [&scan](std::string_view message) {
    scan.failure = message;
    return scan;
  };
  const auto first = std::find_if(text.begin(), text.end(), is_bracket);
  for (auto i = static_cast<std::size_t>(first - text.begin()); i < text.size(); ++i) {
    const char c = text[i];
    if (is_open_bracket(c)) {
      if (scan.open != none) return fail("More than one open brackets detected!");
      if (i == 0) return fail("Name starts with bracket!");
      scan.open = i;
    }
    if (is_close_bracket(c)) {
      if (scan.close != none) return fail("More than one closing brackets detected!");
      scan.close = i;
    }
    const bool opened = scan.open != none;
    const bool closed = scan.close != none;
    if (closed && !opened) return fail("Closing bracket before opening bracket!");
    if (opened && closed && scan.close == scan.open + 1) {
      return fail("Closing bracket direct after opening bracket!");
    }
    if (opened && !closed && i > scan.open && !is_digit(c)) {
      return fail("no number characters in the index part!");
    }
    if (closed && scan.close + 1 < text.size()) {
      return fail("Closing bracket is not the last character in the name!");
    }
  }
  return scan;
}

static_assert(vector_bits.last == std::numeric_limits<std::int16_t>::max());

std::optional<std::int16_t> parse_index(std::string_view text) {
  std::int16_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

name_check check_name(std::string_view name) {
  const bracket_scan scan = scan_brackets(name);
  name_check check{scan.failure, name.size(), std::nullopt};
  if (!check.failure.empty()) return check;
  if (scan.open != none) {
    const std::size_t index_length = scan.close == none ? 0 : scan.close - scan.open - 1;
    check.index = parse_index(name.substr(scan.open + 1, index_length));
    if (!check.index) {
      check.failure = "Error converting the index to number!";
      return check;
    }
    check.base_length = scan.open;
  }
  // A longer name could only be stored cut, as a port the signal is not.
  static const std::string too_long =
      "Name longer than " + std::to_string(max_name_length) + " characters!";
  if (check.base_length > max_name_length) check.failure = too_long;
  return check;
}

std::string_view port_name(std::string_view name, const name_check& check) {
  return check.failure.empty() ? name.substr(0, check.base_length) : std::string_view();
}

std::optional<vector_bit> vector_bit_of(std::string_view name, const name_check& check) {
  if (!check.failure.empty() || !check.index) return std::nullopt;
  return vector_bit{name.substr(0, check.base_length), *check.index};
}

std::optional<vector_bit> vector_bit_of(std::string_view name) {
  return vector_bit_of(name, check_name(name));
}

std::string_view module_signal_name_fault(std::string_view name) {
  if (name.empty() || !is_letter(name.front())) return signal_name_expected;
  const std::size_t open = name.find('<');
  const std::string_view word = name.substr(0, open);
  if (!std::all_of(word.begin(), word.end(), is_word_character)) return signal_name_expected;
  if (open == std::string_view::npos) return {};
  const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
  if (!name.ends_with('>') || digits.empty() ||
      !std::all_of(digits.begin(), digits.end(), is_digit))
    return signal_name_expected;
  if (digits.size() > 1 && digits.front() == '0') return bit_without_leading_zeros_expected;
  static const std::string bit_range_expected =
      "bit: expected a number from " + range_text(vector_bits) + ", found ";
  if (!parse_index(digits)) return bit_range_expected;
  return {};
}

bool is_module_signal_name(std::string_view name) {
  return module_signal_name_fault(name).empty();
}

}  // namespace hbpins
