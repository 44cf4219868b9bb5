#include "catalogue/module_file/module_file_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "catalogue/module_check.h"
#include "catalogue/module_file/module_file_fields.h"
#include "catalogue/text/ascii_case.h"
#include "catalogue/text/csv_records.h"

namespace hbpins {

namespace {

constexpr std::size_t absent = static_cast<std::size_t>(-1);
using column_map = std::array<std::size_t, module_file_column_count>;  // the field of each column

constexpr std::string_view needed_columns =
    "header: expected the columns module, position, signal and direction, found ";

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
  std::vector<module_file_problem> problems;
  std::vector<module_rows> modules;
  std::set<std::uint16_t> refused;  // taken numbers, told once each

  void report(std::size_t line, std::string message) {
    problems.push_back({line, std::move(message)});
  }
};

// An empty line, or one of empty fields as spreadsheets write for an empty
// row.
bool is_blank(const csv_record& record) {
  return record.problem.empty() &&
         std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return field.empty(); });
}

std::optional<column_map> read_header(file_reader& reader, const csv_record& header) {
  if (!header.problem.empty()) {
    reader.report(header.line, header.problem);
    return std::nullopt;
  }
  column_map columns;
  columns.fill(absent);
  bool good = true;
  for (std::size_t f = 0; f < header.fields.size(); ++f) {
    for (std::size_t c = 0; c < module_file_column_count; ++c) {
      if (!equal_in_any_case(header.fields[f], module_file_columns[c])) continue;
      if (columns[c] != absent) {
        reader.report(header.line, "header: expected each column once, found " +
                                       std::string(module_file_columns[c]) + " twice");
        good = false;
      }
      columns[c] = f;
    }
  }
  std::string missing;
  for (const std::size_t c : {module_column, position_column, signal_column, direction_column})
    if (columns[c] == absent)
      missing.append(missing.empty() ? "no " : ", ").append(module_file_columns[c]);
  if (!missing.empty()) reader.report(header.line, std::string(needed_columns) + missing);
  return good && missing.empty() ? std::optional(columns) : std::nullopt;
}

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

void read_row(file_reader& reader, const column_map& columns, std::size_t field_count,
              const csv_record& record) {
  if (!record.problem.empty()) return reader.report(record.line, record.problem);
  if (is_blank(record)) return;
  if (record.fields.size() != field_count) {
    return reader.report(record.line, "row: expected " + std::to_string(field_count) +
                                          " fields as the header has, found " +
                                          std::to_string(record.fields.size()));
  }
  std::array<std::string_view, module_file_column_count> fields;
  for (std::size_t c = 0; c < fields.size(); ++c)
    if (columns[c] != absent) fields[c] = record.fields[columns[c]];
  std::vector<std::string> problems;
  const std::optional<module_file_row> row = read_module_file_row(fields, problems);
  for (std::string& problem : problems) reader.report(record.line, std::move(problem));
  if (row) add_row(reader, *row, record.line);
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
  const std::vector<csv_record> records = read_csv(text);
  file_reader reader{file_name, known, {}, {}, {}};
  module_file file;
  const auto header = std::find_if_not(records.begin(), records.end(), is_blank);
  if (header == records.end()) {
    file.problems.push_back({1, std::string(needed_columns) + "no header"});
    return file;
  }
  if (const std::optional<column_map> columns = read_header(reader, *header)) {
    for (auto record = header + 1; record != records.end(); ++record)
      read_row(reader, *columns, header->fields.size(), *record);
    for (const module_rows& rows : reader.modules)
      file.modules.push_back(build_module(reader, rows));
  }
  file.problems = std::move(reader.problems);
  std::stable_sort(file.problems.begin(), file.problems.end(),
                   [](const auto& a, const auto& b) { return a.line < b.line; });
  if (!file.problems.empty()) file.modules.clear();
  return file;
}

}  // namespace hbpins
