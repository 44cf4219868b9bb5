#pragma once

#include <string>

namespace hbpins {

// A usage error ends the run: the message, the usage text, exit status 1.
struct usage_error {
  std::string message;
};

// An input/output failure ends the run at once with its error number as the
// exit status.
struct io_failure {
  int number = 0;
  std::string what;
};

}  // namespace hbpins
