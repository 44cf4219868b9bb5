// The output options, one row each: what the option is called, how its file
// is named, what it needs, and which writer fills the file from the
// assembled board's pin list. -k is one of them that writes no file: it
// reads its file and reports on the message stream. The design files of -c
// and -o are VHDL or Verilog by their names.

#include <cerrno>
#include <optional>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "catalogue/run_catalogue.h"
#include "catalogue/text/ascii_case.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/input_names.h"
#include "driver/cli/output_guards.h"
#include "driver/files/file_names.h"
#include "driver/files/input_file.h"
#include "driver/files/run_failure.h"
#include "output/hdl/hdl_language.h"
#include "output/hdl/port_list.h"
#include "output/hdl/template_maker.h"
#include "output/hdl/template_merge.h"
#include "output/report/package_picture.h"
#include "output/report/pin_page.h"
#include "output/report/pin_report.h"
#include "output/ucf/ucf_check.h"
#include "output/ucf/ucf_writer.h"

namespace hbpins {

namespace {

// What a writer gets: the board's pins with what is derived from them, the
// output's name, and the run's template and message stream.
struct output_context {
  board_pins& pins;
  const std::string& name;
  driver_state& state;
  bool standard_input = false;  // -k -: the name stands for standard input
};

enum class destination {
  file,
  file_or_stdout,  // "-" writes to standard output
  messages,        // no file: the option reads its file ("-" standard input) and reports on the
                   // message stream
};

}  // namespace

// Every output ends the placement of modules: the files of one run describe
// one assembled board.
struct output_option {
  std::string_view key;               // the first two characters, upper-cased
  std::string_view bare_suffix = {};  // a bare argument ending so is this output
  std::string_view extension;         // added to a name without one
  // What -v prints before the name; in a design file's line, "VHDL" stands
  // for the file's language.
  std::string_view verbose;
  bool needs_board = true;
  bool design_file = false;  // VHDL or Verilog by its name
  destination goes_to = destination::file;
  // Before the verbose line, and after the file guards; both get the name.
  void (*prepare)(driver_state& state, const std::string& name) = nullptr;
  void (*check)(const driver_state& state, const std::string& name) = nullptr;
  void (*write)(const output_context& context, std::ostream& out);
};

namespace {

void write_ucf_file(const output_context& context, std::ostream& out) {
  write_ucf(context.pins.list, out);
}

const collected_ports& kept_ports(const pin_list& pins, std::optional<collected_ports>& kept,
                                  bool with_board_signals) {
  if (!kept) kept = collect_ports(pins, with_board_signals, true);
  return *kept;
}

void write_declaration_file(const output_context& context, std::ostream& out) {
  const collected_ports& ports = kept_ports(context.pins.list, context.pins.all_ports, true);
  context.state.out << ports.messages;
  language_info(language_of_file(context.name)).write_declarations(ports.list, out);
}

std::string language_name(hdl_language language) {
  return std::string(language_info(language).name);
}

// A loaded board without a default template beside the program merges one
// made from its data, in the shape of the built-in boards' templates.
bool made_template_used(driver_state& state, const std::string& name, hdl_language language) {
  const std::uint16_t number = board_number(state.config);
  if (identity_of(name) || find_loaded_board(state.catalogue, number) == nullptr) return false;
  if (state.verbose)
    state.out << language_name(language) << " template made from the data of " << board_name(number)
              << '\n';
  use_made_template(state.tmpl, make_default_template(*state.config.board, language),
                    "the template made from " + board_name(number), language);
  return true;
}

// -o without -t reads the board's default template in the output's language
// from the directory the executable really sits in.
void open_default_template(driver_state& state, const std::string& output) {
  if (state.template_open) return;
  const hdl_language language = language_of_file(output);
  const std::string name =
      default_template_name(state.args[0], board_number(state.config), language);
  if (state.verbose)
    state.out << language_name(language) << " template file not specified, trying " << name << '\n';
  state.template_open = made_template_used(state, name, language);
  if (state.template_open) return;
  try {
    open_template(state.tmpl, name);
  } catch (const run_failure&) {
    throw usage_error(language_name(language) + " template not loaded!");
  }
  state.template_open = true;
}

// The template stays marked open after an earlier -o has read and closed it.
// A template merges into a file of its own language only.
void check_template_fits(const driver_state& state, const std::string& output) {
  const hdl_language language = state.tmpl.language;
  if (!is_open(state.tmpl))
    throw run_failure{exit_status::template_used_up,
                      "the " + language_name(language) + " template was closed by an earlier -o"};
  const hdl_language output_language = language_of_file(output);
  if (output_language != language)
    throw usage_error(language_name(language) + " template for a " +
                      language_name(output_language) + " output file!");
}

// A failed read leaves its errno behind: the template's stream keeps only
// its bad state.
void write_top_file(const output_context& context, std::ostream& out) {
  template_file& tmpl = context.state.tmpl;
  errno = 0;
  const template_markers found =
      merge_template(kept_ports(context.pins.list, context.pins.slot_ports, false), tmpl.language,
                     template_text(tmpl), out, context.state.out);
  if (template_text(tmpl).bad()) throw read_failure(tmpl.name, errno);
  close_template(tmpl);
  warn_of_missing_markers(tmpl, found, context.state.err);
}

// The forms of the pin report, by the end of the name in any case; the last
// one, CSV, takes every other name.
struct report_form {
  std::string_view suffix;
  void (*write)(const pin_list& pins, const pin_uses& uses, std::ostream& out);
};
constexpr report_form report_forms[] = {
    {".json", write_json_report},
    {".svg", write_package_picture},
    {".html", write_pin_page},
    {"", write_csv_report},
};

void write_report_file(const output_context& context, std::ostream& out) {
  for (const report_form& form : report_forms)
    if (ends_in_any_case(context.name, form.suffix))
      return form.write(context.pins.list, context.pins.uses, out);
}

// -k: the named UCF file against the board; nothing is written. A NUL byte
// ends the text: no text file holds one.
void check_ucf_file(const output_context& context, std::ostream& out) {
  const std::string& name = context.name;
  const std::string text =
      read_named_input({name, context.standard_input}, nul_bytes::end_the_text);
  if (text.size() > max_input_size)
    throw input_error{name + ": more than " + max_input_size_words() + ", too long for a UCF file"};
  const ucf_check check = check_ucf(context.pins.list, context.pins.uses, text, name, out);
  if (check.error)
    throw input_error{name + ':' + std::to_string(check.error->line) + ": " + check.error->message};
  if (check.differences > 0) context.state.differences_found = true;
}

constexpr output_option output_options[] = {
    {.key = "-U",
     .bare_suffix = ".UCF",
     .extension = ".ucf",
     .verbose = "Write output constraints to ",
     .write = write_ucf_file},
    {.key = "-C",
     .extension = ".vhd",
     .verbose = "Write VHDL signal declarations to ",
     .design_file = true,
     .write = write_declaration_file},
    {.key = "-O",
     .extension = ".vhd",
     .verbose = "Insert the QMxxx signals to the template and write VHDL top to ",
     .needs_board = false,
     .design_file = true,
     .prepare = open_default_template,
     .check = check_template_fits,
     .write = write_top_file},
    {.key = "-P",
     .extension = ".csv",
     .verbose = "Write pin report to ",
     .goes_to = destination::file_or_stdout,
     .write = write_report_file},
    {.key = "-K",
     .extension = ".ucf",
     .verbose = "Check ",
     .goes_to = destination::messages,
     .write = check_ucf_file},
};

// The verbose line's text before the name.
std::string verbose_text(const output_option& option, const std::string& name) {
  std::string text(option.verbose);
  if (option.design_file) text.replace(text.find("VHDL"), 4, language_name(language_of_file(name)));
  return text;
}

// The pin list of the configuration as it stands, resolved once for all the
// outputs that follow, and looked over for conflicts then. No module is
// placed after an output, so the conflicts are told once per run.
board_pins& resolved_pins(driver_state& state) {
  if (!state.pins) {
    state.pins = board_pins{resolve_pins(state.config)};
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
  c.output = option;
  c.may_write_stdout = option->goes_to == destination::file_or_stdout;
  c.reads_template = option->prepare == open_default_template;
  return c;
}

void output_argument(driver_state& state, const output_option& option, std::string_view k) {
  const bool takes_value = k == option.key;
  // A bare name is used as typed, in its own case.
  const std::string_view typed = takes_value ? option_value(state) : state.args[state.index];
  if (option.needs_board && !has_board(state.config)) throw usage_error("HB type not specified!");
  const bool to_stdout = option.goes_to == destination::file_or_stdout && typed == "-";
  const named_input file =
      option.goes_to == destination::messages
          ? input_named(state, typed, option.extension)
          : named_input{to_stdout ? std::string(typed) : option_file_name(typed, option.extension)};
  const std::string& name = file.name;
  const bool to_file = option.goes_to != destination::messages && !to_stdout;
  if (option.prepare != nullptr) option.prepare(state, name);
  if (state.verbose) state.out << verbose_text(option, name) << name << '\n';
  if (to_file) {
    check_not_template(state.tmpl, state.args[0], state.catalogue, name);
    check_not_written(state, name);
    check_not_input_file(state, name);
  }
  if (option.check != nullptr) option.check(state, name);
  board_pins& pins = resolved_pins(state);
  const auto write = [&](std::ostream& out) {
    option.write({pins, name, state, file.standard_input}, out);
  };
  if (to_file)
    write_output(state, name, write);
  else
    write(to_stdout ? state.data_out : state.out);
  state.placement_closed = true;
}

// -t NAME, accepted at any point, also before the board; only an -o after it
// reads it.
void template_input(driver_state& state) {
  const std::string name = option_file_name(option_value(state), ".vhd");
  if (state.verbose)
    state.out << language_name(language_of_file(name)) << " template file " << name << '\n';
  open_template(state.tmpl, name);
  state.template_open = true;
  if (state.index > state.last_merge)
    state.err << "hbpins: warning: -t " << name << " is read by no -o after it\n";
}

}  // namespace hbpins
