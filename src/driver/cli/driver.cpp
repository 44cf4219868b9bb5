#include "driver/cli/driver.h"

#include <utility>

#include "catalogue/text/ascii_case.h"
#include "driver/cli/argument_classes.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/usage.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// The switches, which set one thing of the state and take no value: the
// last of -1, -2, -W and -x chooses how later listings look.
void switch_argument(driver_state& state, std::string_view k) {
  constexpr std::pair<std::string_view, table_format> table_switches[] = {
      {"-1", table_format::text1c}, {"-2", table_format::text2c}, {"-W", table_format::wiki1c}};
  if (k == "-V") state.verbose = true;
  if (k == "-X") state.listing_module_files = true;
  for (const auto& [key, format] : table_switches) {
    if (k != key) continue;
    state.listing_format = format;
    state.listing_module_files = false;
  }
}

// The argument at the index, handed to the branch its class names.
void argument_step(driver_state& state, const argument_class& c, std::string_view a) {
  const std::string_view k = a.substr(0, 2);
  switch (c.role) {
    case argument_role::help:
      return print_help(state.out);
    case argument_role::version:
      return print_version(state.out);
    case argument_role::setting:
      return switch_argument(state, k);
    case argument_role::board:
      return board_option(state, a, k);
    case argument_role::board_export:
      return board_export(state, a, k);
    case argument_role::module:
      if (!has_board(state.config)) throw usage_error("HB type not specified!");
      return module_option(state, a, k);
    case argument_role::listing:
      return listing_argument(state, a);
    case argument_role::output:
      return output_argument(state, *c.output, k);
    case argument_role::template_input:
      return template_input(state);
    case argument_role::module_file:
      return module_file_input(state);
    case argument_role::board_file:
      return board_file_input(state);
    case argument_role::unknown:
      break;
  }
  throw usage_error("Illegal command line option!");
}

// QMALL and a board exported end the run: whatever follows is not read.
void warn_of_unread(const driver_state& state, const argument_class& c) {
  if (state.index + c.used >= state.args.size()) return;
  state.err << "hbpins: warning: "
            << (c.role == argument_role::listing ? "QMALL" : "a board printed with -x")
            << " ends the run; the arguments after it are not read\n";
}

}  // namespace

std::string_view option_value(const driver_state& state) {
  if (state.index + 1 < state.args.size()) return state.args[state.index + 1];
  return {};
}

// With "-p -" standard output carries the report alone; with -x the
// listings alone, which a script saves as a module file. Everything else goes
// to standard error from the first argument on.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() <= 1) {
    print_usage(out);
    return static_cast<int>(exit_status::usage);
  }
  const command_line_outline outline = outline_of(args);
  std::ostream& listings = outline.report_to_stdout ? err : out;
  std::ostream& messages = outline.report_to_stdout || outline.module_file_layout ? err : out;
  driver_state state(args, messages, listings, err, out);
  state.last_merge = outline.last_merge;
  try {
    while (state.index < state.args.size()) {
      const std::string a = upper_cased(state.args[state.index]);
      const argument_class c = classify_argument(
          state.args[state.index], a, has_board(state.config), state.listing_module_files);
      argument_step(state, c, a);
      if (c.ends_run) {
        if (c.role == argument_role::listing || c.role == argument_role::board_export)
          warn_of_unread(state, c);
        break;
      }
      state.index += c.used;
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
