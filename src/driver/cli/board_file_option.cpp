// -b NAME: the boards of a board file join the run's catalogue, or the run
// ends with every problem of the file.

#include "catalogue/board_file/board_file_reader.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/loaded_files.h"

namespace hbpins {

void board_file_input(driver_state& state) {
  if (has_board(state.config))
    throw usage_error("First load all board files and then specify the HB type!");
  const named_input input = input_named(state, option_value(state), ".csv");
  if (state.verbose) state.out << "Read boards from " << input.name << '\n';
  const std::optional<file_identity> identity = identity_of(input);
  check_not_loaded(state.board_files, input, identity);
  board_file file = read_loaded_file<board_file>(input, [&](std::string_view text) {
    return read_board_file(text, input.name, state.catalogue);
  });
  if (!file.problems.empty()) throw refused_file(input.name, file.problems);
  for (auto& board : file.boards) state.catalogue.boards.push_back(std::move(board));
  if (identity) state.board_files.push_back(*identity);
}

}  // namespace hbpins
