#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/text/csv_table.h"
#include "driver/cli/input_names.h"
#include "driver/files/run_failure.h"

namespace hbpins {

// What -m and -b share: a module or board file is loaded once per run,
// read within the bound of every input file, and refused whole with each of
// its problems.

// The file's entries would only clash with themselves.
void check_not_loaded(const std::vector<file_identity>& loaded, const named_input& input,
                      const std::optional<file_identity>& file);

// The file as its reader reads its text; a text over the bound, the one
// problem of its size.
template <typename File, typename Reader>
File read_loaded_file(const named_input& input, Reader read) {
  const std::string text = read_named_input(input, nul_bytes::kept);
  if (text.size() <= max_input_size) return read(text);
  File file;
  file.problems.push_back({1, "file: expected at most " + max_input_size_words()});
  return file;
}

// The error that refuses the file: each problem as "FILE:LINE: message".
input_error refused_file(const std::string& name, const std::vector<file_problem>& problems);

}  // namespace hbpins
