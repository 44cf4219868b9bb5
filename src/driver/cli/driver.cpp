#include "driver/cli/driver.h"

#include <utility>

#include "catalogue/text/ascii_case.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/usage.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// The switches, which set one thing of the state and take no value: the
// last of -1, -2, -W and -x chooses how later listings look.
step_result switch_argument(driver_state& state, std::string_view k) {
  constexpr std::pair<std::string_view, table_format> table_switches[] = {
      {"-1", table_format::text1c}, {"-2", table_format::text2c}, {"-W", table_format::wiki1c}};
  if (k == "-V") state.verbose = true;
  if (k == "-X") state.listing_module_files = true;
  for (const auto& [key, format] : table_switches) {
    if (k != key) continue;
    state.listing_format = format;
    state.listing_module_files = false;
  }
  return {};
}

// The argument at the index, told by its first two characters in this
// order: the first branch that matches takes it.
step_result argument_step(driver_state& state) {
  const std::string_view whole = state.args[state.index];
  // Only as whole arguments, in exactly this case; each answers and ends the
  // run, whatever follows.
  if (whole == "--help") {
    print_help(state.out);
    return {1, true};
  }
  if (whole == "--version") {
    print_version(state.out);
    return {1, true};
  }
  const std::string a = upper_cased(whole);
  const std::string_view k = std::string_view(a).substr(0, 2);
  if (k == "-V" || k == "-2" || k == "-1" || k == "-W") return switch_argument(state, k);
  if (k == "-D" || k == "HB") return board_option(state, a, k);
  if (k == "-S" || k == "QM") {
    if (has_board(state.config)) return module_option(state, a, k);
    if (k == "-S") throw usage_error("HB type not specified!");
    return listing_argument(state, a);
  }
  // Before -X, -T and -M: a bare name ending in ".ucf" is a UCF file,
  // "-t.ucf" too.
  if (const output_option* option = find_output(a, k)) return output_argument(state, *option, k);
  if (k == "-X") return switch_argument(state, k);
  if (k == "-T") return template_input(state);
  if (k == "-M") return module_file_input(state);
  throw usage_error("Illegal command line option!");
}

// "-p -" anywhere: standard output then carries the report alone, and
// everything else goes to standard error from the first argument on, so that
// a script can read the report from a pipe.
bool reports_to_stdout(std::span<const std::string> args) {
  for (std::size_t i = 1; i + 1 < args.size(); ++i)
    if (upper_cased(args[i]).starts_with("-P") && args[i + 1] == "-") return true;
  return false;
}

}  // namespace

std::string_view option_value(const driver_state& state) {
  if (state.index + 1 < state.args.size()) return state.args[state.index + 1];
  return {};
}

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() <= 1) {
    print_usage(out);
    return static_cast<int>(exit_status::usage);
  }
  driver_state state(args, reports_to_stdout(args) ? err : out, err, out);
  try {
    while (state.index < state.args.size()) {
      const step_result step = argument_step(state);
      if (step.ends_run) break;
      state.index += step.used;
    }
    return static_cast<int>(state.differences_found ? exit_status::differences
                                                    : exit_status::success);
  } catch (const input_error& error) {
    err << error.message << '\n';
    return static_cast<int>(exit_status::usage);
  } catch (const run_failure& failure) {
    const int status = static_cast<int>(failure.status);
    if (failure.status == exit_status::usage) {
      state.out << failure.message << '\n';
      print_usage(state.out);
    } else {
      state.out << "Runtime error " << status << ": " << failure.message << '\n';
    }
    return status;
  }
}

}  // namespace hbpins
