// The bytes are a module file, read against the built-in modules. A refused
// file gives no module and one line per problem; an accepted one gives
// modules that the check passes, and their export reads back to the same
// modules.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "catalogue/module_check.h"
#include "catalogue/module_file/module_file_reader.h"
#include "catalogue/module_file/module_file_writer.h"

namespace {

using namespace hbpins;

void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "fuzz_module_file: %s\n--- detail ---\n%s\n", what, detail.c_str());
  std::abort();
}

bool same_tables(const module_entry& a, const module_entry& b) {
  if (a.number != b.number || a.variants.size() != b.variants.size()) return false;
  for (std::size_t v = 0; v < a.variants.size(); ++v) {
    const module_pin_table& x = a.variants[v];
    const module_pin_table& y = b.variants[v];
    if (x.first_position != y.first_position || x.rows.size() != y.rows.size()) return false;
    for (std::size_t k = 0; k < x.rows.size(); ++k)
      if (x.rows[k].name.view() != y.rows[k].name.view() || x.rows[k].dir != y.rows[k].dir)
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const run_catalogue builtin;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const module_file file = read_module_file(text, "fuzz.csv", builtin);
  for (const module_file_problem& problem : file.problems)
    if (problem.line == 0 || problem.message.empty() ||
        problem.message.find_first_of("\r\n") != std::string::npos)
      fail("a problem that is no line of its own", problem.message);
  if (!file.problems.empty()) {
    if (!file.modules.empty()) fail("modules of a refused file", text);
    return 0;
  }
  std::ostringstream exported;
  write_module_file_header(exported);
  for (const auto& module : file.modules) {
    if (!check_module(module->entry).empty()) fail("an accepted module the check refuses", text);
    write_module_file_rows(exported, module->entry);
  }
  const module_file again = read_module_file(exported.str(), "again.csv", builtin);
  if (!again.problems.empty() || again.modules.size() != file.modules.size())
    fail("an export that does not read back", exported.str());
  for (std::size_t m = 0; m < file.modules.size(); ++m)
    if (!same_tables(file.modules[m]->entry, again.modules[m]->entry))
      fail("an export that reads back to other modules", exported.str());
  return 0;
}
