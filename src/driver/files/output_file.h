#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "driver/files/file_identity.h"

namespace hbpins {

// Writes the named file through write and returns the identity of the file
// written. A regular file (or a new one), also at the end of symbolic links,
// is replaced whole or not at all: a failure, or a signal that ends the
// process, leaves the previous file as it was. Devices, FIFOs and dangling
// links are written in place. A failure to create, write or close throws
// run_failure, and so does a run_failure thrown by write. A replaced file
// keeps its owner and group where the process may set them; one with other
// hard links gets a line on warnings, as those keep the previous content.
file_identity write_output_file(const std::string& name,
                                const std::function<void(std::ostream&)>& write,
                                std::ostream& warnings);

}  // namespace hbpins
