// The output options, one row each: what the option is called, how its file
// is named, what it needs, and which writer fills the file from the
// assembled board's pin list. -k is one of them that writes no file: it
// reads its file and reports on the message stream.

#include <algorithm>
#include <cerrno>
#include <optional>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "catalogue/text/ascii_case.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/input_names.h"
#include "driver/cli/output_guards.h"
#include "driver/files/file_names.h"
#include "driver/files/input_file.h"
#include "driver/files/run_failure.h"
#include "output/hdl/port_list.h"
#include "output/hdl/template_merge.h"
#include "output/hdl/vhdl_writers.h"
#include "output/report/package_picture.h"
#include "output/report/pin_report.h"
#include "output/ucf/ucf_check.h"
#include "output/ucf/ucf_writer.h"

namespace hbpins {

namespace {

// What a writer gets: the board's pins with what is derived from them, the
// output's name, and the run's template and message stream.
struct output_context {
  resolved_board& board;
  const named_input& file;
  driver_state& state;
};

enum class destination {
  file,
  file_or_stdout,  // "-" writes to standard output
  messages,        // no file: the option reads its file ("-" standard input) and reports on the
                   // message stream
};

struct output_option {
  std::string_view key;          // the first two characters, upper-cased
  std::string_view bare_suffix;  // a bare argument ending so is this output
  std::string_view extension;    // added to a name without one
  std::string_view verbose;      // what -v prints before the name
  bool needs_board;
  bool closes_placement;  // no module may be placed after it
  destination goes_to;
  void (*prepare)(driver_state& state);      // before the verbose line
  void (*check)(const driver_state& state);  // after the file guards
  void (*write)(const output_context& context, std::ostream& out);
};

void write_ucf_file(const output_context& context, std::ostream& out) {
  write_ucf(context.board.list, out);
}

const collected_ports& kept_ports(const pin_list& pins, std::optional<collected_ports>& kept,
                                  bool with_board_signals) {
  if (!kept) kept = collect_ports(pins, with_board_signals, true);
  return *kept;
}

void write_declaration_file(const output_context& context, std::ostream& out) {
  const collected_ports& ports = kept_ports(context.board.list, context.board.all_ports, true);
  context.state.out << ports.messages;
  write_declarations(ports.list, out);
}

// -o without -t reads the board's default template from the directory the
// executable really sits in.
void open_default_template(driver_state& state) {
  if (state.template_open) return;
  const std::string name = default_template_name(state.args[0], board_number(state.config));
  if (state.verbose) state.out << "VHDL template file not specified, trying " << name << '\n';
  try {
    open_template(state.tmpl, name);
  } catch (const run_failure&) {
    throw usage_error("VHDL template not loaded!");
  }
  state.template_open = true;
}

// The template stays marked open after an earlier -o has read and closed it.
void check_template_unread(const driver_state& state) {
  if (!state.tmpl.stream.is_open())
    throw run_failure{exit_status::template_used_up,
                      "the VHDL template was closed by an earlier -o"};
}

// A failed read leaves its errno behind: the template's stream keeps only
// its bad state.
void write_top_file(const output_context& context, std::ostream& out) {
  template_file& tmpl = context.state.tmpl;
  errno = 0;
  const template_markers found =
      merge_template(kept_ports(context.board.list, context.board.slot_ports, false), tmpl.stream,
                     out, context.state.out);
  if (tmpl.stream.bad()) throw read_failure(tmpl.name, errno);
  close_template(tmpl);
  warn_of_missing_markers(tmpl, found, context.state.err);
}

// JSON where the name ends in ".json" in any case, the package picture for
// ".svg", CSV otherwise.
void write_report_file(const output_context& context, std::ostream& out) {
  const resolved_board& board = context.board;
  if (ends_in_any_case(context.file.name, ".json"))
    write_json_report(board.list, board.uses, out);
  else if (ends_in_any_case(context.file.name, ".svg"))
    write_package_picture(board.list, board.uses, out);
  else
    write_csv_report(board.list, board.uses, out);
}

// -k: the named UCF file against the board; nothing is written. A NUL byte
// ends the text: no text file holds one.
void check_ucf_file(const output_context& context, std::ostream& out) {
  const std::string& name = context.file.name;
  const std::string text = read_named_input(context.file, nul_bytes::end_the_text);
  if (text.size() > max_input_size)
    throw input_error{name + ": more than " + max_input_size_words() + ", too long for a UCF file"};
  const ucf_check check = check_ucf(context.board.list, context.board.uses, text, name, out);
  if (check.error)
    throw input_error{name + ':' + std::to_string(check.error->line) + ": " + check.error->message};
  if (check.differences > 0) context.state.differences_found = true;
}

constexpr output_option output_options[] = {
    {"-U", ".UCF", ".ucf", "Write output constraints to ", true, true, destination::file, nullptr,
     nullptr, write_ucf_file},
    {"-C", "", ".vhd", "Write VHDL signal declarations to ", true, true, destination::file, nullptr,
     nullptr, write_declaration_file},
    {"-O", "", ".vhd", "Insert the QMxxx signals to the template and write VHDL top to ", false,
     true, destination::file, open_default_template, check_template_unread, write_top_file},
    {"-P", "", ".csv", "Write pin report to ", true, true, destination::file_or_stdout, nullptr,
     nullptr, write_report_file},
    {"-K", "", ".ucf", "Check ", true, true, destination::messages, nullptr, nullptr,
     check_ucf_file},
};

// The pin list of the configuration as it stands, resolved once for all the
// outputs that follow, and looked over for conflicts then.
resolved_board& resolved_pins(driver_state& state) {
  if (!state.pins) {
    state.pins = resolved_board{resolve_pins(state.config)};
    state.pins->uses = uses_by_location(state.pins->list);
    warn_of_conflicts(state, *state.pins);
  }
  return *state.pins;
}

const output_option* find_output(std::string_view a, std::string_view k) {
  for (const output_option& option : output_options)
    if (k == option.key || (!option.bare_suffix.empty() && a.ends_with(option.bare_suffix)))
      return &option;
  return nullptr;
}

}  // namespace

std::optional<argument_class> output_class(std::string_view a, std::string_view k) {
  const output_option* option = find_output(a, k);
  if (option == nullptr) return std::nullopt;
  argument_class c{argument_role::output, k == option->key ? 2u : 1u};
  c.may_write_stdout = option->goes_to == destination::file_or_stdout;
  c.reads_template = option->prepare == open_default_template;
  return c;
}

void output_argument(driver_state& state, std::string_view a, std::string_view k) {
  const output_option& option = *find_output(a, k);
  const bool takes_value = k == option.key;
  // A bare name is used as typed, in its own case.
  const std::string_view typed = takes_value ? option_value(state) : state.args[state.index];
  if (option.needs_board && !state.board_chosen) throw usage_error("HB type not specified!");
  const bool to_stdout = option.goes_to == destination::file_or_stdout && typed == "-";
  const named_input file =
      option.goes_to == destination::messages
          ? input_named(state, typed, option.extension)
          : named_input{to_stdout ? std::string(typed) : option_file_name(typed, option.extension)};
  const std::string& name = file.name;
  const bool to_file = option.goes_to != destination::messages && !to_stdout;
  if (option.prepare != nullptr) option.prepare(state);
  if (state.verbose) state.out << option.verbose << name << '\n';
  if (to_file) {
    check_not_template(state.tmpl, state.args[0], name);
    check_not_written(state, name);
    check_not_module_file(state, name);
  }
  if (option.check != nullptr) option.check(state);
  resolved_board& board = resolved_pins(state);
  const auto write = [&](std::ostream& out) { option.write({board, file, state}, out); };
  if (to_file)
    write_output(state, name, write);
  else
    write(to_stdout ? state.data_out : state.out);
  if (option.closes_placement) state.placement_closed = true;
}

// -t NAME, accepted at any point, also before the board; only an -o after it
// reads it.
void template_input(driver_state& state) {
  const std::string name = option_file_name(option_value(state), ".vhd");
  if (state.verbose) state.out << "VHDL template file " << name << '\n';
  open_template(state.tmpl, name);
  state.template_open = true;
  if (state.index > state.last_merge)
    state.err << "hbpins: warning: -t " << name << " is read by no -o after it\n";
}

}  // namespace hbpins
