#include "driver/driver.h"

#include <optional>

#include "driver/driver_branches.h"
#include "driver/driver_errors.h"
#include "driver/driver_state.h"
#include "driver/usage.h"

namespace hbpins {

namespace {

std::string upper_cased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

// Handles the argument at the index; returns the exit status when the run
// ends before its last argument.
std::optional<int> argument_step(driver_state& state) {
  // Only as whole arguments, in exactly this case; each answers and ends the
  // run, whatever follows.
  if (state.args[state.index] == "--help") {
    print_usage(state.out);
    return 0;
  }
  if (state.args[state.index] == "--version") {
    print_version(state.out);
    return 0;
  }
  const std::string a = upper_cased(state.args[state.index]);
  const std::string_view k = std::string_view(a).substr(0, 2);
  if (k == "-V") {
    state.verbose = true;
  } else if (k == "-2") {
    state.layout = table_format::text2c;
  } else if (k == "-1") {
    state.layout = table_format::text1c;
  } else if (k == "-W") {
    state.layout = table_format::wiki1c;
  } else if (k == "-D" || k == "HB") {
    board_option(state, a, k);
    return std::nullopt;
  } else if (k == "-S" || k == "QM") {
    if (state.board_chosen) {
      module_option(state, a, k);
      return std::nullopt;
    }
    if (k == "-S") throw usage_error{"HB type not specified!"};
    return listing_argument(state, a);
  } else if (k == "-U" || a.ends_with(".UCF")) {
    ucf_option(state, k);
    return std::nullopt;
  } else if (k == "-C") {
    declaration_output(state);
    return std::nullopt;
  } else if (k == "-T") {
    template_input(state);
    return std::nullopt;
  } else if (k == "-O") {
    top_file_output(state);
    return std::nullopt;
  } else {
    throw usage_error{"Illegal command line option!"};
  }
  ++state.index;
  return std::nullopt;
}

int run_arguments(driver_state& state) {
  while (state.index < state.args.size())
    if (std::optional<int> status = argument_step(state)) return *status;
  return 0;
}

}  // namespace

std::string_view take_option_value(driver_state& state) {
  ++state.index;
  if (state.index < state.args.size()) return state.args[state.index];
  return {};
}

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() <= 1) {
    print_usage(out);
    return 1;
  }
  driver_state state(args, out, err);
  try {
    return run_arguments(state);
  } catch (const usage_error& error) {
    if (!error.message.empty()) out << error.message << '\n';
    print_usage(out);
    return 1;
  } catch (const io_failure& failure) {
    out << "Runtime error " << failure.number;
    if (!failure.what.empty()) out << ": " << failure.what;
    out << '\n';
    return failure.number;
  }
}

}  // namespace hbpins
