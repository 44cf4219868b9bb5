#pragma once

#include <ostream>

namespace hbpins {

// The usage text, with the supported boards and modules listed from the
// catalogue.
void print_usage(std::ostream& out);

// The usage text, then the options it does not name and the exit statuses.
void print_help(std::ostream& out);

// One line: the program's name and version.
void print_version(std::ostream& out);

}  // namespace hbpins
