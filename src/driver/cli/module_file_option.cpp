// -m NAME: the modules of a module file join the run's catalogue, or the run
// ends with every problem of the file.

#include "catalogue/module_file/module_file_reader.h"
#include "driver/cli/driver_branches.h"
#include "driver/files/file_names.h"
#include "driver/files/input_file.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// No module file comes near this: 253 modules of two full variants and
// notes take a few MiB.
constexpr std::size_t max_module_file_size = std::size_t{16} << 20;

}  // namespace

void module_file_input(driver_state& state) {
  const std::string name = option_file_name(option_value(state), ".csv");
  if (state.verbose) state.out << "Read modules from " << name << '\n';
  const std::string text = read_input_file(name, max_module_file_size);
  module_file file;
  if (text.size() > max_module_file_size)
    file.problems.push_back({1, "file: expected at most 16 MiB"});
  else
    file = read_module_file(text, name, state.catalogue);
  if (!file.problems.empty()) {
    std::string lines;
    for (const module_file_problem& problem : file.problems)
      lines += (lines.empty() ? "" : "\n") + name + ':' + std::to_string(problem.line) + ": " +
               problem.message;
    throw input_error{lines};
  }
  for (auto& module : file.modules) state.catalogue.modules.push_back(std::move(module));
  if (const std::optional<file_identity> read = identity_of(name))
    state.module_files.push_back(*read);
}

}  // namespace hbpins
