#pragma once

#include <string>

namespace hbpins {

// The temporary file an output is written to before it is renamed over its
// target. There is at most one at a time, and a signal that ends the
// process removes it first.

// Creates the temporary file in directory (empty, or ending in "/") and
// returns its descriptor; -1 where the directory takes no new file or the
// name would be too long.
int create_temporary(const std::string& directory);

// Renames the temporary file over target: 0, or the errno of a failure,
// after which the temporary file is still there.
int rename_temporary(const std::string& target);

void remove_temporary();

}  // namespace hbpins
