#pragma once

#include <ostream>
#include <span>
#include <string>

namespace hbpins {

// Runs one command line (args[0] is the program path), printing everything to
// out and warnings to err, and returns the exit status.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace hbpins
