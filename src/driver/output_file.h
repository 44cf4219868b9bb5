#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace hbpins {

// Writes the named file through write. A regular file (or a new one) is
// replaced whole or not at all: a failure, or SIGINT, SIGTERM or SIGHUP,
// leaves the previous file as it was. Symbolic links, devices and FIFOs are
// written in place. A failure to create, write or close throws io_failure,
// and so does an io_failure thrown by write.
void write_output_file(const std::string& name, const std::function<void(std::ostream&)>& write);

}  // namespace hbpins
