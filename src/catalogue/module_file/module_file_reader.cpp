#include "catalogue/module_file/module_file_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "catalogue/module_check.h"
#include "catalogue/module_file/module_file_fields.h"
#include "catalogue/text/csv_table.h"

namespace hbpins {

namespace {

// The rows of one module as they are read, with their lines.
struct module_rows {
  std::uint16_t number = 0;
  std::size_t first_line = 0;
  std::array<position_array<qm_pin_row_type>, 2> rows;
  std::array<position_array<std::size_t>, 2> lines;  // 0 where there is no row
};

struct file_reader {
  const std::string& file_name;
  const run_catalogue& known;
  csv_table table;
  std::vector<module_rows> modules{};
  std::set<std::uint16_t> refused{};  // taken numbers, told once each

  void report(std::size_t line, std::string message) { table.report(line, std::move(message)); }
};

// A number that a built-in module or an earlier file has is refused once,
// on its first line.
bool is_free(file_reader& reader, std::uint16_t number, std::size_t line) {
  const loaded_module* loaded = find_loaded_module(reader.known, number);
  if (loaded == nullptr && find_module(reader.known, number) == nullptr) return true;
  if (!reader.refused.insert(number).second) return false;
  const std::string text = std::to_string(number);
  if (loaded == nullptr)
    reader.report(line, "module: " + text + " is a built-in module");
  else
    reader.report(line, "module " + text + " is already loaded from " + loaded->file);
  return false;
}

module_rows& rows_of(file_reader& reader, std::uint16_t number, std::size_t line) {
  for (module_rows& module : reader.modules)
    if (module.number == number) return module;
  module_rows& module = reader.modules.emplace_back();
  module.number = number;
  module.first_line = line;
  return module;
}

void add_row(file_reader& reader, const module_file_row& row, std::size_t line) {
  if (!is_free(reader, row.module, line)) return;
  module_rows& module = rows_of(reader, row.module, line);
  std::size_t& taken = module.lines[row.variant][row.position];
  if (taken != 0) {
    return reader.report(line, "position: expected each position once in variant " +
                                   std::to_string(row.variant) + ", found " +
                                   std::to_string(row.position) + " also on line " +
                                   std::to_string(taken));
  }
  module.rows[row.variant][row.position] = row.pin;
  taken = line;
}

void read_row(file_reader& reader, table_row texts, std::size_t line) {
  std::array<std::string_view, module_file_column_count> fields;
  for (std::size_t c = 0; c < fields.size(); ++c) fields[c] = texts[c];
  std::vector<std::string> problems;
  const std::optional<module_file_row> row = read_module_file_row(fields, problems);
  for (std::string& problem : problems) reader.report(line, std::move(problem));
  if (row) add_row(reader, *row, line);
}

// The rows from the first connected position to the last, "NC" between.
std::vector<qm_pin_row_type> table_rows(const module_rows& module, std::size_t v,
                                        std::uint8_t& first) {
  std::vector<qm_pin_row_type> rows;
  for (int k = first_position; k <= last_position; ++k) {
    if (module.lines[v][k] == 0) continue;
    if (rows.empty()) first = static_cast<std::uint8_t>(k);
    rows.resize(static_cast<std::size_t>(k - first), qm_pin_row_type{"NC", direction::nc});
    rows.push_back(module.rows[v][k]);
  }
  return rows;
}

// The module, checked: each problem on the line of its row.
std::unique_ptr<const loaded_module> build_module(file_reader& reader, const module_rows& rows) {
  auto module = std::make_unique<loaded_module>(rows.number, reader.file_name);
  std::array<std::uint8_t, 2> firsts = {first_position, first_position};
  module->set_rows({table_rows(rows, 0, firsts[0]), table_rows(rows, 1, firsts[1])}, firsts);
  for (const module_problem& problem : check_module(module->entry)) {
    const bool placed = problem.position >= first_position && problem.position <= last_position;
    const std::size_t line = placed ? rows.lines[problem.variant][problem.position] : 0;
    reader.report(line != 0 ? line : rows.first_line, problem.message);
  }
  return module;
}

}  // namespace

module_file read_module_file(std::string_view text, const std::string& file_name,
                             const run_catalogue& known) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's UTF-8 mark
  file_reader reader{file_name, known, csv_table(text)};
  module_file file;
  const auto row = [&reader](table_row fields, std::size_t line) {
    read_row(reader, fields, line);
  };
  if (read_table(reader.table, module_file_columns, row) && !told_in_part(reader.table))
    for (const module_rows& rows : reader.modules)
      file.modules.push_back(build_module(reader, rows));
  file.problems = problems_in_line_order(reader.table);
  if (!file.problems.empty()) file.modules.clear();
  return file;
}

}  // namespace hbpins
