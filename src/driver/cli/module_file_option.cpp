// -m NAME: the modules of a module file join the run's catalogue, or the run
// ends with every problem of the file.

#include "catalogue/module_file/module_file_reader.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/loaded_files.h"

namespace hbpins {

void module_file_input(driver_state& state) {
  const named_input input = input_named(state, option_value(state), ".csv");
  if (state.verbose) state.out << "Read modules from " << input.name << '\n';
  const std::optional<file_identity> identity = identity_of(input);
  check_not_loaded(state.module_files, input, identity);
  module_file file = read_loaded_file<module_file>(input, [&](std::string_view text) {
    return read_module_file(text, input.name, state.catalogue);
  });
  if (!file.problems.empty()) throw refused_file(input.name, file.problems);
  for (auto& module : file.modules) state.catalogue.modules.push_back(std::move(module));
  if (identity) state.module_files.push_back(*identity);
}

}  // namespace hbpins
