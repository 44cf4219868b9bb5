#include "driver/driver_branches.h"
#include "driver/file_names.h"
#include "driver/output_guards.h"
#include "output/ucf_writer.h"

namespace hbpins {

// -u NAME, or a bare argument whose name ends in ".ucf" (in any case), used
// as typed.
void ucf_option(driver_state& state, std::string_view k) {
  if (!state.board_chosen) throw usage_error{"HB type not specified!"};
  const std::string_view typed = k == "-U" ? take_option_value(state) : state.args[state.index];
  const std::string name = option_file_name(typed, ".ucf");
  if (state.verbose) state.out << "Write output constraints to " << name << '\n';
  check_not_template(state.tmpl, name);
  check_not_written(state, name);
  write_output(state, name, [&state](std::ostream& out) { write_ucf(state.config, out); });
  state.ucf_written = true;
  ++state.index;
}

}  // namespace hbpins
