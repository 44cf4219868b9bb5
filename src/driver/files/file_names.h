#pragma once

#include <string>
#include <string_view>

#include "driver/files/run_failure.h"

namespace hbpins {

// Completes a file name typed on the command line: backslashes become
// slashes, and a name without an extension (or ending in a bare ".") gets the
// default extension.
std::string complete_file_name(std::string_view name, std::string_view extension);

// The completed name of a file option's value; a missing or empty name is a
// usage error rather than a hidden file named only by its extension.
std::string option_file_name(std::string_view typed, std::string_view extension);

// The directory part of a path, up to and including its last "/"; empty
// for a name without one.
std::string directory_part(std::string_view path);

// The exit status of a failed open or create (errno value).
exit_status open_error_status(int error);

run_failure open_failure(const std::string& name, int error);

// A failed read of an input file (errno value; 0 where the system told none).
run_failure read_failure(const std::string& name, int error);

}  // namespace hbpins
