#pragma once

#include <string>
#include <utility>

namespace hbpins {

// How a run ends. From 2 to 5 and from 100 on, the input/output error
// numbers.
enum class exit_status : int {
  success = 0,
  usage = 1,               // the message and the usage text are printed; or an input_error
  not_found = 2,           // no such file or directory
  bad_path = 3,            // not a directory, a name too long, links that loop
  too_many_files = 4,      // no descriptor left
  denied = 5,              // access denied, or any other failure to open
  differences = 10,        // a checked UCF file differs from the board
  read = 100,              // a template, UCF file to check or module file could not be read
  write = 101,             // an output file or standard output could not be written
  template_used_up = 103,  // an earlier -o read and closed the template
};

// What ends a run before its last argument: a usage error, or an
// input/output failure that is printed as "Runtime error <status>: <message>".
struct run_failure {
  exit_status status = exit_status::usage;
  std::string message;
};

// A file the run reads that is not what it should be: its "FILE:LINE:
// message" lines on the error stream end the run with status 1, without the
// usage text.
struct input_error {
  std::string message;
};

inline run_failure usage_error(std::string message) {
  return {exit_status::usage, std::move(message)};
}

}  // namespace hbpins
