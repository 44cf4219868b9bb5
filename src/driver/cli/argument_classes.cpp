#include "driver/cli/argument_classes.h"

#include "catalogue/text/ascii_case.h"
#include "driver/cli/driver_branches.h"

namespace hbpins {

namespace {

argument_class taking_value(argument_role role, bool takes_value) {
  return {role, takes_value ? 2u : 1u};
}

}  // namespace

// The first branch that matches takes the argument: a bare name ending in
// ".ucf" is a UCF file before it is -x, -t or -m ("-t.ucf" too).
argument_class classify_argument(std::string_view whole, std::string_view a, bool board_chosen,
                                 bool module_file_layout) {
  if (whole == "--help") return {argument_role::help, 1, true};
  if (whole == "--version") return {argument_role::version, 1, true};
  const std::string_view k = a.substr(0, 2);
  if (k == "-V" || k == "-2" || k == "-1" || k == "-W") return {argument_role::setting};
  if ((k == "-D" || k == "HB") && module_file_layout && !board_chosen)
    return {argument_role::board_export, k == "-D" ? 2u : 1u, true};
  if (k == "-D" || k == "HB") return taking_value(argument_role::board, k == "-D");
  if (k == "-S" || (k == "QM" && board_chosen))
    return taking_value(argument_role::module, k == "-S");
  if (k == "QM") return {argument_role::listing, 1, a == "QMALL"};
  if (const std::optional<argument_class> output = output_class(a, k)) return *output;
  if (k == "-X") return {argument_role::setting};
  if (k == "-T") return taking_value(argument_role::template_input, true);
  if (k == "-M") return taking_value(argument_role::module_file, true);
  if (k == "-B") return taking_value(argument_role::board_file, true);
  return {argument_role::unknown};
}

command_line_outline outline_of(std::span<const std::string> args) {
  command_line_outline outline;
  bool board_chosen = false;
  bool module_file_layout = false;  // as the settings so far leave it
  for (std::size_t i = 1; i < args.size();) {
    const std::string a = upper_cased(args[i]);
    const argument_class c = classify_argument(args[i], a, board_chosen, module_file_layout);
    if (c.role == argument_role::setting && !a.starts_with("-V"))
      module_file_layout = a.starts_with("-X");
    if (c.role == argument_role::setting && a.starts_with("-X")) outline.module_file_layout = true;
    if (c.role == argument_role::board) board_chosen = true;
    if (c.may_write_stdout && c.used == 2 && i + 1 < args.size() && args[i + 1] == "-")
      outline.report_to_stdout = true;
    if (c.reads_template) outline.last_merge = i;
    if (c.ends_run) break;
    i += c.used;
  }
  return outline;
}

}  // namespace hbpins
