#include "driver/cli/output_guards.h"

#include <algorithm>
#include <optional>
#include <string>

#include "catalogue/text/write_text.h"
#include "driver/files/output_file.h"
#include "driver/files/run_failure.h"
#include "output/report/pin_conflicts.h"

namespace hbpins {

namespace {

// "hbpins: warning: WHAT PLACES", where there are places.
void warn(std::string& text, std::string_view what, const std::string& places) {
  if (!places.empty()) text.append("hbpins: warning: ").append(what).append(places) += '\n';
}

}  // namespace

void warn_of_conflicts(driver_state& state, const board_pins& pins) {
  std::string text;
  warn(text, "more than one signal on an FPGA location: ", shared_locations(pins.uses));
  warn(text, "vector bits that no signal provides: ", missing_vector_bits(pins.list));
  write_text(state.err, text);
}

void check_not_written(const driver_state& state, const std::string& name) {
  const std::optional<file_identity> file = identity_of(name);
  if (file && file->is_regular &&
      std::find(state.written.begin(), state.written.end(), *file) != state.written.end())
    throw usage_error("Output file already written in this run!");
}

namespace {

bool is_one_of(const std::vector<file_identity>& files, const std::string& name) {
  const std::optional<file_identity> file = identity_of(name);
  return file && std::find(files.begin(), files.end(), *file) != files.end();
}

}  // namespace

void check_not_input_file(const driver_state& state, const std::string& name) {
  if (is_one_of(state.module_files, name)) throw usage_error("Output file is a module file!");
  if (is_one_of(state.board_files, name)) throw usage_error("Output file is a board file!");
}

void write_output(driver_state& state, const std::string& name,
                  const std::function<void(std::ostream&)>& write) {
  const file_identity file = write_output_file(name, write, state.err);
  if (file.is_regular) state.written.push_back(file);
}

}  // namespace hbpins
