// -m NAME: the modules of a module file join the run's catalogue, or the run
// ends with every problem of the file.

#include <algorithm>

#include "catalogue/module_file/module_file_reader.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/input_names.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// The modules of a file read twice would only clash with themselves.
void check_not_loaded(const driver_state& state, const named_input& input,
                      const std::optional<file_identity>& file) {
  if (file && std::find(state.module_files.begin(), state.module_files.end(), *file) !=
                  state.module_files.end())
    throw input_error{"hbpins: " + input.name + " is loaded twice"};
}

module_file read_modules(const driver_state& state, const named_input& input) {
  const std::string text = read_named_input(input, nul_bytes::kept);
  if (text.size() <= max_input_size) return read_module_file(text, input.name, state.catalogue);
  module_file file;
  file.problems.push_back({1, "file: expected at most " + max_input_size_words()});
  return file;
}

}  // namespace

void module_file_input(driver_state& state) {
  const named_input input = input_named(state, option_value(state), ".csv");
  if (state.verbose) state.out << "Read modules from " << input.name << '\n';
  const std::optional<file_identity> identity = identity_of(input);
  check_not_loaded(state, input, identity);
  module_file file = read_modules(state, input);
  if (!file.problems.empty()) {
    std::string lines;
    for (const module_file_problem& problem : file.problems)
      lines += (lines.empty() ? "" : "\n") + input.name + ':' + std::to_string(problem.line) +
               ": " + problem.message;
    throw input_error{lines};
  }
  for (auto& module : file.modules) state.catalogue.modules.push_back(std::move(module));
  if (identity) state.module_files.push_back(*identity);
}

}  // namespace hbpins
