#include "catalogue/module_file/module_file_writer.h"

#include <string>

#include "catalogue/direction_table.h"

namespace hbpins {

void write_module_file_header(std::ostream& out) {
  out << "module,variant,position,signal,direction,standard\n";
}

// The names need no quotes: a module's names hold letters, digits,
// underscores and a bit in angle brackets.
void write_module_file_rows(std::ostream& out, const module_entry& module) {
  std::string text;
  for (std::size_t v = 0; v < module.variants.size(); ++v) {
    const module_pin_table& table = module.variants[v];
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
      const qm_pin_row_type& row = table.rows[k];
      if (row.dir == direction::nc) continue;
      const direction_entry& dir = direction_info(row.dir);
      text += std::to_string(module.number) + ',' + std::to_string(v) + ',' +
              std::to_string(table.first_position + k) + ',' + std::string(row.name.view()) + ',' +
              std::string(mode_name(dir.mode)) + ',' + std::string(dir.standard) + '\n';
    }
  }
  out << text;
}

}  // namespace hbpins
