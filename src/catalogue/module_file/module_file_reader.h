#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/run_catalogue.h"
#include "catalogue/text/csv_table.h"

namespace hbpins {

using module_file_problem = file_problem;

// What a module file holds: its modules in the order they first appear,
// or, for a file with any problem, every problem in line order.
struct module_file {
  std::vector<std::unique_ptr<const loaded_module>> modules;
  std::vector<module_file_problem> problems;
};

// Reads the text of a module file (CSV, RFC 4180): a header that names the
// columns module, position, signal and direction, and optionally variant and
// standard, in any order and any case; other columns are notes. One row per
// connected position. Lines that are empty or hold only empty fields are
// skipped. The modules known tells the numbers that are taken.
module_file read_module_file(std::string_view text, const std::string& file_name,
                             const run_catalogue& known);

}  // namespace hbpins
