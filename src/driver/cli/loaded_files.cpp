#include "driver/cli/loaded_files.h"

#include <algorithm>

namespace hbpins {

void check_not_loaded(const std::vector<file_identity>& loaded, const named_input& input,
                      const std::optional<file_identity>& file) {
  if (file && std::find(loaded.begin(), loaded.end(), *file) != loaded.end())
    throw input_error{"hbpins: " + input.name + " is loaded twice"};
}

input_error refused_file(const std::string& name, const std::vector<file_problem>& problems) {
  std::string lines;
  for (const file_problem& problem : problems)
    lines += (lines.empty() ? "" : "\n") + name + ':' + std::to_string(problem.line) + ": " +
             problem.message;
  return input_error{lines};
}

}  // namespace hbpins
