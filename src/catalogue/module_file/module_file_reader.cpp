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

constexpr std::string_view needed_columns_intro = "header: expected the columns ";

// A file with more problems is told up to there: reading stops, so that the
// messages of a file made of faults take no more memory than a few.
constexpr std::size_t max_problems = 100;

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
  csv_reader csv;
  csv_field field{};
  std::vector<module_file_problem> problems{};
  std::vector<module_rows> modules{};
  std::set<std::uint16_t> refused{};  // taken numbers, told once each

  void report(std::size_t line, std::string message) {
    problems.push_back({line, std::move(message)});
  }
};

// What a record is as a whole, its fields taken one by one as they come.
struct record_shape {
  std::size_t line = 0;
  std::size_t fields = 0;
  bool blank = true;  // no field but empty ones, as spreadsheets write for an empty row
  std::string problem;
};

// Reads a record, each field through each(index, text); false at the end of
// the file.
template <typename Each>
bool read_record(file_reader& reader, record_shape& shape, Each each) {
  shape = {};
  while (read_field(reader.csv, reader.field)) {
    const csv_field& field = reader.field;
    shape.line = field.record_line;
    if (!field.problem.empty()) {
      shape.problem = field.problem;
      shape.blank = false;
      return true;
    }
    each(shape.fields++, field.text);
    shape.blank = shape.blank && field.text.empty();
    if (field.ends_record) return true;
  }
  return false;
}

// "module, position, signal and direction": the columns a header needs.
std::string needed_columns() {
  std::vector<std::string_view> names;
  for (const column_entry& column : module_file_columns)
    if (column.required) names.push_back(column.name);
  std::string list;
  for (std::size_t k = 0; k < names.size(); ++k)
    list.append(k == 0 ? "" : k + 1 < names.size() ? ", " : " and ").append(names[k]);
  return list;
}

// A header field is the column's name; blanks around it are no part of it.
std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "no position, direction": the needed columns a header does not name.
std::string missing_columns(const column_map& columns) {
  std::string missing;
  for (std::size_t c = 0; c < module_file_column_count; ++c)
    if (module_file_columns[c].required && columns[c] == absent)
      missing.append(missing.empty() ? "no " : ", ").append(module_file_columns[c].name);
  return missing;
}

// The header: the first record that is not blank. The fields of each
// column, or nothing with the header's problems told; a column named more
// than once is told once.
std::optional<column_map> read_header(file_reader& reader, record_shape& header) {
  column_map columns;
  std::vector<std::string> twice;
  const auto name_column = [&](std::size_t f, std::string_view text) {
    for (std::size_t c = 0; c < module_file_column_count; ++c) {
      if (!equal_in_any_case(trimmed(text), module_file_columns[c].name)) continue;
      const std::string again = "header: expected each column once, found " +
                                std::string(module_file_columns[c].name) + " twice";
      if (columns[c] != absent && std::find(twice.begin(), twice.end(), again) == twice.end())
        twice.push_back(again);
      columns[c] = f;
    }
  };
  do {
    columns.fill(absent);
    twice.clear();
    if (!read_record(reader, header, name_column)) {
      reader.report(1, std::string(needed_columns_intro) + needed_columns() + ", found no header");
      return std::nullopt;
    }
  } while (header.blank);
  if (!header.problem.empty()) {
    reader.report(header.line, header.problem);
    return std::nullopt;
  }
  for (std::string& problem : twice) reader.report(header.line, std::move(problem));
  const std::string missing = missing_columns(columns);
  if (!missing.empty())
    reader.report(header.line,
                  std::string(needed_columns_intro) + needed_columns() + ", found " + missing);
  return twice.empty() && missing.empty() ? std::optional(columns) : std::nullopt;
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

void read_row(file_reader& reader, const std::array<std::string, module_file_column_count>& texts,
              std::size_t line) {
  std::array<std::string_view, module_file_column_count> fields;
  for (std::size_t c = 0; c < fields.size(); ++c) fields[c] = texts[c];
  std::vector<std::string> problems;
  const std::optional<module_file_row> row = read_module_file_row(fields, problems);
  for (std::string& problem : problems) reader.report(line, std::move(problem));
  if (row) add_row(reader, *row, line);
}

// The rows after the header, up to the end of the file or to the most
// problems told.
void read_rows(file_reader& reader, const column_map& columns, std::size_t field_count) {
  std::array<std::string, module_file_column_count> texts;
  const auto keep_column = [&](std::size_t f, std::string_view text) {
    for (std::size_t c = 0; c < module_file_column_count; ++c)
      if (columns[c] == f) texts[c] = text;
  };
  record_shape record;
  while (reader.problems.size() < max_problems) {
    for (std::string& text : texts) text.clear();
    if (!read_record(reader, record, keep_column)) return;
    if (!record.problem.empty()) {
      reader.report(record.line, record.problem);
    } else if (record.blank) {
      continue;
    } else if (record.fields != field_count) {
      reader.report(record.line, "row: expected " + std::to_string(field_count) +
                                     " fields as the header has, found " +
                                     std::to_string(record.fields));
    } else {
      read_row(reader, texts, record.line);
    }
  }
  if (read_field(reader.csv, reader.field))
    reader.report(reader.field.record_line, "file: expected at most " +
                                                std::to_string(max_problems) +
                                                " problems, found more; the rest is not read");
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
  file_reader reader{file_name, known, {text}};
  module_file file;
  record_shape header;
  if (const std::optional<column_map> columns = read_header(reader, header)) {
    read_rows(reader, *columns, header.fields);
    // A file told only in part is not checked further: the rows not read
    // would be missing.
    if (reader.problems.size() < max_problems)
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
