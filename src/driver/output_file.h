#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace hbpins {

// Creates (or truncates) the named file, lets write fill it, and closes it.
// A failure to create, write or close it throws io_failure; so does an
// io_failure thrown by write. Either way a regular file left half-written is
// removed, so that no later step of a tool flow picks up a truncated file.
void write_output_file(const std::string& name, const std::function<void(std::ostream&)>& write);

}  // namespace hbpins
