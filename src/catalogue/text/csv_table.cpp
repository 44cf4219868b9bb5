#include "catalogue/text/csv_table.h"

#include <algorithm>
#include <optional>

#include "catalogue/text/ascii_case.h"

namespace hbpins {

namespace {

constexpr std::size_t absent = static_cast<std::size_t>(-1);
using column_map = std::vector<std::size_t>;  // the field of each column

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
bool read_record(csv_table& table, record_shape& shape, Each each) {
  shape = {};
  while (read_field(table.csv, table.field)) {
    const csv_field& field = table.field;
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

// "header: expected the columns module, position, signal and direction,
// found ": the columns a header needs.
std::string needed_columns(std::span<const column_entry> columns) {
  std::vector<std::string_view> names;
  for (const column_entry& column : columns)
    if (column.required) names.push_back(column.name);
  std::string list = "header: expected the columns ";
  for (std::size_t k = 0; k < names.size(); ++k)
    list.append(k == 0 ? "" : k + 1 < names.size() ? ", " : " and ").append(names[k]);
  return list + ", found ";
}

// A header field is the column's name; blanks around it are no part of it.
std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// "no position, direction": the needed columns a header does not name.
std::string missing_columns(std::span<const column_entry> columns, const column_map& fields) {
  std::string missing;
  for (std::size_t c = 0; c < columns.size(); ++c)
    if (columns[c].required && fields[c] == absent)
      missing.append(missing.empty() ? "no " : ", ").append(columns[c].name);
  return missing;
}

// The header: the first record that is not blank. The fields of each
// column, or nothing with the header's problems told; a column named more
// than once is told once.
std::optional<column_map> read_header(csv_table& table, std::span<const column_entry> columns,
                                      record_shape& header) {
  column_map fields(columns.size(), absent);
  std::vector<std::string> twice;
  const auto name_column = [&](std::size_t f, std::string_view text) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (!equal_in_any_case(trimmed(text), columns[c].name)) continue;
      const std::string again =
          "header: expected each column once, found " + std::string(columns[c].name) + " twice";
      if (fields[c] != absent && std::find(twice.begin(), twice.end(), again) == twice.end())
        twice.push_back(again);
      fields[c] = f;
    }
  };
  do {
    std::fill(fields.begin(), fields.end(), absent);
    twice.clear();
    if (!read_record(table, header, name_column)) {
      table.report(1, needed_columns(columns) + "no header");
      return std::nullopt;
    }
  } while (header.blank);
  if (!header.problem.empty()) {
    table.report(header.line, header.problem);
    return std::nullopt;
  }
  for (std::string& problem : twice) table.report(header.line, std::move(problem));
  const std::string missing = missing_columns(columns, fields);
  if (!missing.empty()) table.report(header.line, needed_columns(columns) + missing);
  return twice.empty() && missing.empty() ? std::optional(fields) : std::nullopt;
}

}  // namespace

bool read_table(csv_table& table, std::span<const column_entry> columns,
                const std::function<void(table_row fields, std::size_t line)>& row) {
  record_shape record;
  const std::optional<column_map> fields = read_header(table, columns, record);
  if (!fields) return false;
  const std::size_t field_count = record.fields;
  std::vector<std::string> texts(columns.size());
  const auto keep_column = [&](std::size_t f, std::string_view text) {
    for (std::size_t c = 0; c < columns.size(); ++c)
      if ((*fields)[c] == f) texts[c] = text;
  };
  while (table.problems.size() < max_file_problems) {
    for (std::string& text : texts) text.clear();
    if (!read_record(table, record, keep_column)) return true;
    if (!record.problem.empty())
      table.report(record.line, record.problem);
    else if (record.fields != field_count && !record.blank)
      table.report(record.line, "row: expected " + std::to_string(field_count) +
                                    " fields as the header has, found " +
                                    std::to_string(record.fields));
    else if (!record.blank)
      row(texts, record.line);
  }
  if (read_field(table.csv, table.field))
    table.report(table.field.record_line, "file: expected at most " +
                                              std::to_string(max_file_problems) +
                                              " problems, found more; the rest is not read");
  return true;
}

bool told_in_part(const csv_table& table) {
  return table.problems.size() >= max_file_problems;
}

std::vector<file_problem> problems_in_line_order(csv_table& table) {
  std::stable_sort(table.problems.begin(), table.problems.end(),
                   [](const auto& a, const auto& b) { return a.line < b.line; });
  return std::move(table.problems);
}

}  // namespace hbpins
