// -b NAME: the boards of a board file join the run's catalogue, or the run
// ends with every problem of the file.

#include "catalogue/board_file/board_file_reader.h"
#include "driver/cli/driver_branches.h"
#include "driver/cli/file_problems.h"
#include "driver/files/file_names.h"
#include "driver/files/input_file.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

// No board file comes near this: the 20 boards a run can load take a few
// hundred KiB with notes.
constexpr std::size_t max_board_file_size = std::size_t{16} << 20;

}  // namespace

void board_file_input(driver_state& state) {
  if (has_board(state.config))
    throw usage_error("First load all board files and then specify the HB type!");
  const std::string name = option_file_name(option_value(state), ".csv");
  if (state.verbose) state.out << "Read boards from " << name << '\n';
  const std::string text = read_input_file(name, max_board_file_size);
  board_file file;
  if (text.size() > max_board_file_size)
    file.problems.push_back({1, "file: expected at most 16 MiB"});
  else
    file = read_board_file(text, name, state.catalogue);
  if (!file.problems.empty()) throw refused_file(name, file.problems);
  for (auto& board : file.boards) state.catalogue.boards.push_back(std::move(board));
  if (const std::optional<file_identity> read = identity_of(name))
    state.board_files.push_back(*read);
}

}  // namespace hbpins
