#include <cstdint>
#include <string>
#include <string_view>

#include "assembly/board_configuration.h"
#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"
#include "driver/driver_branches.h"
#include "driver/driver_errors.h"
#include "driver/number_reading.h"

namespace hbpins {

namespace {

constexpr std::uint16_t empty_module = 954;

// Board numbers 700 to 719 are taken as typed; 1, 6, 9, 10 and 11 are short
// for the boards 701 to 711.
std::uint16_t board_number_of(std::string_view text) {
  if (text.starts_with("HB")) text.remove_prefix(2);
  const number_reading reading = read_number(text);
  const auto n = static_cast<std::uint16_t>(reading.value);
  if (n >= 700 && n <= 719) return n;
  if (reading.ok && (n == 1 || n == 6 || n == 9 || n == 10 || n == 11))
    return static_cast<std::uint16_t>(n + number_base);
  throw usage_error{"Wrong HB type specified!"};
}

usage_error wrong_modification(std::string_view module) {
  return {"Wrong modification of QM" + std::string(module) + "!"};
}

struct module_choice {
  std::uint16_t number = 0;
  std::uint8_t modification = 0;
  std::string typed;  // the module as typed, for the messages
};

// "QM704", "704-1", "4": a module number or index with an optional
// modification after the first "-".
module_choice module_choice_of(std::string_view text) {
  if (text.starts_with("QM") || text.starts_with("qm")) text.remove_prefix(2);
  module_choice choice;
  if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
    const std::string_view suffix = text.substr(dash + 1, 2);
    text = text.substr(0, dash);
    const number_reading reading = read_number(suffix);
    if (!reading.ok) throw wrong_modification(text);
    choice.modification = static_cast<std::uint8_t>(reading.value);
  }
  const number_reading reading = read_number(text);
  if (!reading.ok) throw usage_error{"Wrong QM type specified!"};
  auto n = static_cast<std::uint16_t>(reading.value);
  if (n >= 700 && n <= 955) n = static_cast<std::uint16_t>(n - number_base);
  choice.number = static_cast<std::uint16_t>(n + number_base);
  choice.typed = text;
  return choice;
}

// A module the catalogue has, in a variant it has: the modules with two pin
// tables take modification 0 or 1; the others ignore it.
void check_module(const module_choice& choice) {
  const std::uint16_t index = module_index(choice.number);
  if (!is_supported_module(index))
    throw usage_error{"Incorrect QM nr " + std::to_string(choice.number)};
  const std::size_t variants = module_variants(index).size();
  if (variants > 1 && choice.modification >= variants) throw wrong_modification(choice.typed);
}

void take_slot_number(driver_state& state, std::string_view digits) {
  const number_reading reading = read_number(digits);
  state.next_slot = static_cast<std::uint8_t>(reading.value);
  if (!reading.ok || state.next_slot >= slot_count(state.config))
    throw usage_error{"Wrong QM slot specified!"};
}

}  // namespace

void board_option(driver_state& state, std::string_view a, std::string_view k) {
  if (state.board_chosen) throw usage_error{"HB type already specified!"};
  const std::string_view text = k == "-D" ? take_option_value(state) : a;
  const std::uint16_t number = board_number_of(text);
  if (hb_slot_count(number) == 0) throw usage_error{"Incorrect HB nr " + std::to_string(number)};
  select_board(state.config, number, state.out);
  state.board_chosen = true;
  for (std::uint8_t s = 0; s < slot_count(state.config); ++s)
    place_module(state.config, s, empty_module, 0, state.out);
  ++state.index;
  if (state.verbose) state.out << "HB" << number << '\n';
}

void module_option(driver_state& state, std::string_view a, std::string_view k) {
  if (state.vhdl_written || state.ucf_written)
    throw usage_error{"First specify all QMs and then write the output files!"};
  if (k == "-S" && a.size() > 2) take_slot_number(state, a.substr(2));
  const std::string_view text = k == "-S" ? take_option_value(state) : a;
  const module_choice choice = module_choice_of(text);
  if (state.next_slot >= slot_count(state.config)) throw usage_error{"Wrong QM slot specified!"};
  check_module(choice);
  place_module(state.config, state.next_slot, choice.number, choice.modification, state.out);
  if (state.verbose)
    state.out << "QM" << choice.number << "-" << int{choice.modification} << " on slot "
              << int{state.next_slot} << '\n';
  ++state.next_slot;
  ++state.index;
}

}  // namespace hbpins
