#include "assembly/board_configuration.h"
#include "driver/driver_branches.h"
#include "driver/file_names.h"
#include "driver/output_guards.h"
#include "output/template_merge.h"
#include "output/vhdl_writers.h"

namespace hbpins {

namespace {

constexpr int template_closed_number = 103;
constexpr int template_read_number = 100;

// -o without -t reads the board's default template from the directory the
// executable really sits in.
void open_default_template(driver_state& state) {
  const std::string name = program_directory(state.args[0]) + "HB" +
                           std::to_string(board_number(state.config)) + "_template.vhd";
  if (state.verbose) state.out << "VHDL template file not specified, trying " << name << '\n';
  try {
    open_template(state.tmpl, name);
  } catch (const io_failure&) {
    throw usage_error{"VHDL template not loaded!"};
  }
  state.template_open = true;
}

void merge_into(driver_state& state, std::ostream& out) {
  merge_template(state.config, state.tmpl.stream, out, state.out);
  if (state.tmpl.stream.bad())
    throw io_failure{template_read_number, "cannot read the VHDL template"};
}

}  // namespace

// -c NAME: the port declarations of the board signals and of every slot.
void declaration_output(driver_state& state) {
  if (!state.board_chosen) throw usage_error{"HB type not specified!"};
  const std::string name = option_file_name(take_option_value(state), ".vhd");
  if (state.verbose) state.out << "Write VHDL signal declarations to " << name << '\n';
  check_not_template(state.tmpl, name);
  check_not_written(state, name);
  write_output(state, name, [&state](std::ostream& out) {
    write_declarations(state.config, out, state.out, true, true);
  });
  state.vhdl_written = true;
  ++state.index;
}

// -t NAME, accepted at any point, also before the board.
void template_input(driver_state& state) {
  const std::string name = option_file_name(take_option_value(state), ".vhd");
  if (state.verbose) state.out << "VHDL template file " << name << '\n';
  open_template(state.tmpl, name);
  state.template_open = true;
  ++state.index;
}

// -o NAME: the template with the slot ports and the port map inserted.
void top_file_output(driver_state& state) {
  // The name is checked before any template is looked for.
  const std::string name = option_file_name(take_option_value(state), ".vhd");
  if (!state.template_open) open_default_template(state);
  if (state.verbose)
    state.out << "Insert the QMxxx signals to the template and write VHDL top to " << name << '\n';
  check_not_template(state.tmpl, name);
  check_not_written(state, name);
  // The template stays marked open after an earlier -o has read and closed it.
  if (!state.tmpl.stream.is_open())
    throw io_failure{template_closed_number, "the VHDL template was closed by an earlier -o"};
  write_output(state, name, [&state](std::ostream& out) { merge_into(state, out); });
  close_template(state.tmpl);
  state.vhdl_written = true;
  ++state.index;
}

}  // namespace hbpins
