// -m NAME: the modules of a module file join the run's catalogue, or the run
// ends with every problem of the file.

#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "catalogue/module_file_reader.h"
#include "driver/driver_branches.h"
#include "driver/file_names.h"
#include "driver/run_failure.h"

namespace hbpins {

namespace {

// No module file comes near this; a device that never ends does.
constexpr std::size_t max_module_file_size = std::size_t{16} << 20;

// The whole file, at most one byte past the limit.
std::string read_module_file_text(const std::string& name) {
  errno = 0;
  std::ifstream file(name, std::ios::binary);
  if (!file.is_open()) throw open_failure(name, errno);
  struct stat info {};
  // A directory opens like a file but cannot be read as one.
  if (::stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) throw open_failure(name, EISDIR);
  std::string text;
  char block[65536];
  while (file && text.size() <= max_module_file_size) {
    file.read(block, sizeof block);
    text.append(block, static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) throw run_failure{exit_status::template_read, "cannot read " + name};
  return text;
}

}  // namespace

step_result module_file_input(driver_state& state) {
  const std::string name = option_file_name(option_value(state), ".csv");
  if (state.verbose) state.out << "Read modules from " << name << '\n';
  const std::string text = read_module_file_text(name);
  module_file file;
  if (text.size() > max_module_file_size)
    file.problems.push_back({1, "file: expected at most 16 MiB"});
  else
    file = read_module_file(text, name, state.modules);
  for (const module_file_problem& problem : file.problems)
    state.err << name << ':' << problem.line << ": " << problem.message << '\n';
  if (!file.problems.empty()) throw run_failure{exit_status::usage, {}, true};
  for (auto& module : file.modules) state.modules.loaded.push_back(std::move(module));
  if (const std::optional<file_identity> read = identity_of(name)) state.module_files.push_back(*read);
  return {2};
}

}  // namespace hbpins
