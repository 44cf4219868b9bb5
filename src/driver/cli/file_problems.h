#pragma once

#include <string>
#include <vector>

#include "driver/files/run_failure.h"

namespace hbpins {

// The problems of an input file, each as "FILE:LINE: message", as the error
// that refuses the file; problems hold a line and a message.
template <typename Problem>
input_error refused_file(const std::string& name, const std::vector<Problem>& problems) {
  std::string lines;
  for (const Problem& problem : problems)
    lines += (lines.empty() ? "" : "\n") + name + ':' + std::to_string(problem.line) + ": " +
             problem.message;
  return input_error{lines};
}

}  // namespace hbpins
