#pragma once

#include <string>

namespace hbpins {

// The whole content of a file the run reads. A file that cannot be opened
// fails as a template does; one that cannot be read ends the run with the
// read failure's status.
std::string read_input_file(const std::string& name);

}  // namespace hbpins
