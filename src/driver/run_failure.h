#pragma once

#include <string>
#include <utility>

namespace hbpins {

// How a run ends. From 2 on, the input/output error numbers.
enum class exit_status : int {
  success = 0,
  usage = 1,               // the message and the usage text are printed
  not_found = 2,           // no such file or directory
  bad_path = 3,            // not a directory, a name too long, links that loop
  too_many_files = 4,      // no descriptor left
  denied = 5,              // access denied, or any other failure to open
  template_read = 100,     // the VHDL template could not be read
  write = 101,             // an output file or standard output could not be written
  template_used_up = 103,  // an earlier -o read and closed the template
};

// What ends a run before its last argument: a usage error, or an
// input/output failure that is printed as "Runtime error <status>: <message>".
struct run_failure {
  exit_status status = exit_status::usage;
  std::string message;
};

inline run_failure usage_error(std::string message) {
  return {exit_status::usage, std::move(message)};
}

}  // namespace hbpins
