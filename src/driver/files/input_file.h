#pragma once

#include <cstddef>
#include <limits>
#include <string>

namespace hbpins {

// The whole content of a file the run reads. A file that cannot be opened
// fails as a template does; one that cannot be read ends the run with the
// read failure's status. Reading stops once the text is longer than
// max_size, so that a device without end cannot take all memory.
std::string read_input_file(const std::string& name,
                            std::size_t max_size = std::numeric_limits<std::size_t>::max() - 1);

}  // namespace hbpins
