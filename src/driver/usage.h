#pragma once

#include <ostream>

namespace hbpins {

// The usage text, with the supported boards and modules listed from the
// catalogue.
void print_usage(std::ostream& out);

// One line: the program's name and version.
void print_version(std::ostream& out);

}  // namespace hbpins
