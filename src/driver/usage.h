#pragma once

#include <ostream>

namespace hbpins {

// The usage text, with the supported boards and modules listed from the
// catalogue.
void print_usage(std::ostream& out);

}  // namespace hbpins
