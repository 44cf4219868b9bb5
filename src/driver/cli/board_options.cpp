#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembly/board_configuration.h"
#include "catalogue/board_file/board_file_writer.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/number_reading.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// A built-in board may be typed without its 700: 10 is board 710.
bool is_short_board_number(std::uint32_t n) {
  return std::any_of(builtin_boards.begin(), builtin_boards.end(),
                     [n](const board_entry& board) { return board.number == n + number_base; });
}

// The board numbers are taken as typed, the short ones with number_base
// added; whether a board has the number is the catalogue's to say.
std::uint32_t board_number_of(std::string_view text) {
  if (text.starts_with("HB")) text.remove_prefix(2);
  const std::optional<std::uint32_t> n = read_number_below(text, number_limit);
  if (n && board_numbers.contains(*n)) return *n;
  if (n && is_short_board_number(*n)) return *n + number_base;
  throw usage_error("Wrong HB type specified!");
}

const board_entry& board_of(const driver_state& state, std::string_view text) {
  const std::uint32_t number = board_number_of(text);
  const board_entry* board = find_board(state.catalogue, number);
  if (board == nullptr) throw usage_error("Incorrect HB nr " + std::to_string(number));
  return *board;
}

// The users' word for a build variant is modification.
run_failure wrong_variant(std::string_view module) {
  return usage_error("Wrong modification of QM" + std::string(module) + "!");
}

struct module_choice {
  std::uint32_t number = 0;
  std::uint8_t variant = 0;
  std::string typed;  // the module as typed, for the messages
};

// "QM704", "704-1", "4": a module number or index with an optional
// variant after the first "-". A module that is no number fails with
// the message given.
module_choice module_choice_of(std::string_view text, const std::string& no_number) {
  if (text.starts_with("QM") || text.starts_with("qm")) text.remove_prefix(2);
  module_choice choice;
  if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
    const std::optional<std::uint32_t> variant =
        read_number_below(text.substr(dash + 1), byte_limit);
    text = text.substr(0, dash);
    if (!variant) throw wrong_variant(text);
    choice.variant = static_cast<std::uint8_t>(*variant);
  }
  const std::optional<std::uint32_t> number = read_module_number(text);
  if (!number) throw usage_error(no_number);
  choice.number = *number;
  choice.typed = text;
  return choice;
}

// A bare QM argument that is no module number is a mistyped module; QMALL
// is a listing that comes too late.
std::string no_module_message(std::string_view a, std::string_view k) {
  return k == "QM" && a != "QMALL" ? "Wrong QM Nr.!" : "Wrong QM type specified!";
}

void take_slot_number(driver_state& state, std::string_view digits) {
  const std::optional<std::uint32_t> slot = read_number_below(digits, byte_limit);
  if (!slot || *slot >= slot_count(state.config)) throw usage_error("Wrong QM slot specified!");
  state.next_slot = static_cast<std::uint8_t>(*slot);
}

}  // namespace

void board_option(driver_state& state, std::string_view a, std::string_view k) {
  if (has_board(state.config)) throw usage_error("HB type already specified!");
  const board_entry& board = board_of(state, k == "-D" ? option_value(state) : a);
  if (!select_board(state.config, board))
    throw usage_error("Incorrect HB nr " + std::to_string(board.number));
  state.pins.reset();
  if (state.verbose) state.out << board_name(board.number) << '\n';
}

void board_export(driver_state& state, std::string_view a, std::string_view k) {
  write_board_file(state.listings, board_of(state, k == "-D" ? option_value(state) : a));
}

void module_option(driver_state& state, std::string_view a, std::string_view k) {
  if (state.placement_closed)
    throw usage_error("First specify all QMs and then write the output files!");
  if (k == "-S" && a.size() > 2) take_slot_number(state, a.substr(2));
  const module_choice choice =
      module_choice_of(k == "-S" ? option_value(state) : a, no_module_message(a, k));
  const module_entry* module = find_module(state.catalogue, choice.number);
  switch (place_module(state.config, state.next_slot, module, choice.variant)) {
    case placement::no_such_slot:
      throw usage_error("Wrong QM slot specified!");
    case placement::no_such_module:
      throw usage_error("Incorrect QM nr " + std::to_string(choice.number));
    case placement::no_such_variant:
      throw wrong_variant(choice.typed);
    case placement::done:
      break;
  }
  state.pins.reset();
  if (state.verbose)
    state.out << "QM" << choice.number << "-" << int{choice.variant} << " on slot "
              << int{state.next_slot} << '\n';
  ++state.next_slot;
}

}  // namespace hbpins
