#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/ucf/ucf_check.h"

namespace hbpins {

// The first thing in a file that cannot be read as UCF, and its line.
struct ucf_read_error {
  std::size_t line = 0;
  std::string message;
};

struct ucf_reading {
  // The NET statements that give a LOC, an IOSTANDARD or a pull, in the
  // order of the file; views into the text read.
  std::vector<net_statement> nets;
  std::optional<ucf_read_error> error;  // the statements stop before it
};

// Reads the statements of a UCF file as people write them: keywords in any
// case, names and values quoted or not, constraints joined with "|", "#"
// comments, LF or CRLF line ends, several statements on a line. A statement
// ends at ";", or before a line that begins with a statement keyword.
ucf_reading read_ucf(std::string_view text);

}  // namespace hbpins
