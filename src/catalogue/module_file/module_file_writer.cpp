#include "catalogue/module_file/module_file_writer.h"

#include <string>

#include "catalogue/module_file/module_file_format.h"

namespace hbpins {

void write_module_file_header(std::ostream& out) {
  out << module_file_header() << '\n';
}

// The names need no quotes: a module's names hold letters, digits,
// underscores and a bit in angle brackets. The fields come in the order of
// the header's columns.
void write_module_file_rows(std::ostream& out, const module_entry& module) {
  std::string text;
  for (std::size_t v = 0; v < module.variants.size(); ++v) {
    const module_pin_table& table = module.variants[v];
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
      const qm_pin_row_type& row = table.rows[k];
      const std::optional<module_file_direction> words = words_of(row.dir);
      if (!words) continue;
      text += std::to_string(module.number) + ',' + std::to_string(v) + ',' +
              std::to_string(table.first_position + k) + ',' + std::string(row.name.view()) + ',' +
              std::string(words->direction_word) + ',' + std::string(words->standard_word) + '\n';
    }
  }
  out << text;
}

}  // namespace hbpins
