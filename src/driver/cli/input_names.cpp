#include "driver/cli/input_names.h"

#include "driver/files/file_names.h"
#include "driver/files/run_failure.h"

namespace hbpins {

named_input input_named(driver_state& state, std::string_view typed, std::string_view extension) {
  if (typed != "-") return {option_file_name(typed, extension)};
  if (state.standard_input_read) throw usage_error("Standard input already read in this run!");
  state.standard_input_read = true;
  return {"standard input", true};
}

std::string read_named_input(const named_input& input, nul_bytes nul) {
  if (input.standard_input) return read_standard_input(input.name, nul);
  return read_input_file(input.name, nul);
}

std::optional<file_identity> identity_of(const named_input& input) {
  return input.standard_input ? standard_input_identity() : identity_of(input.name);
}

}  // namespace hbpins
