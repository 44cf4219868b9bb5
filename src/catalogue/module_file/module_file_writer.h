#pragma once

#include <ostream>

#include "catalogue/module_records.h"

namespace hbpins {

// The module file that -m reads (CSV, RFC 4180, LF line ends): the header
// once, then each module's rows.
void write_module_file_header(std::ostream& out);

// One row per connected position, variant by variant, under the module's
// own number.
void write_module_file_rows(std::ostream& out, const module_entry& module);

}  // namespace hbpins
