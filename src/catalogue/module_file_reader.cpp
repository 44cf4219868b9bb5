#include "catalogue/module_file_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "catalogue/csv_records.h"
#include "catalogue/message_text.h"
#include "catalogue/module_check.h"

namespace hbpins {

namespace {

enum column : std::size_t { module_column, variant_column, position_column, signal_column,
                            direction_column, standard_column, column_count };
constexpr std::array<std::string_view, column_count> column_names = {
    "module", "variant", "position", "signal", "direction", "standard"};
constexpr std::size_t absent = static_cast<std::size_t>(-1);
using column_map = std::array<std::size_t, column_count>;  // the field of each column

// Loaded modules take the numbers from 700 to 952 that no built-in module has.
constexpr std::uint32_t lowest_module = 700;
constexpr std::uint32_t highest_module = 952;

// The rows of one module as they are read, with their lines.
struct module_rows {
  std::uint16_t number = 0;
  std::size_t first_line = 0;
  std::array<position_array<qm_pin_row_type>, 2> rows;
  std::array<position_array<std::size_t>, 2> lines;  // 0 where there is no row
};

struct file_reader {
  const std::string& file_name;
  const module_catalogue& known;
  std::vector<module_file_problem> problems;
  std::vector<module_rows> modules;
  std::set<std::uint32_t> refused;  // taken numbers, told once each

  void report(std::size_t line, std::string message) {
    problems.push_back({line, std::move(message)});
  }
};

bool same_word(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

// An empty line, or one of empty fields as spreadsheets write for an empty
// row.
bool is_blank(const csv_record& record) {
  return record.problem.empty() &&
         std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return field.empty(); });
}

// Decimal digits only, as spreadsheets write numbers.
std::optional<std::uint32_t> decimal(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
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
    for (std::size_t c = 0; c < column_count; ++c) {
      if (!same_word(header.fields[f], column_names[c])) continue;
      if (columns[c] != absent) {
        reader.report(header.line, "header: expected each column once, found " +
                                       std::string(column_names[c]) + " twice");
        good = false;
      }
      columns[c] = f;
    }
  }
  std::string missing;
  for (const column c : {module_column, position_column, signal_column, direction_column})
    if (columns[c] == absent) missing += (missing.empty() ? "" : ", ") + std::string(column_names[c]);
  if (!missing.empty())
    reader.report(header.line, "header: expected the columns module, position, signal and "
                               "direction, found no " + missing);
  return good && missing.empty() ? std::optional(columns) : std::nullopt;
}

// A field's value, or nothing with its problem told.
struct row_fields {
  file_reader& reader;
  std::size_t line;
  bool good = true;

  void fail(std::string message) {
    reader.report(line, std::move(message));
    good = false;
  }
};

std::uint16_t module_number(row_fields& row, std::string_view text) {
  const std::optional<std::uint32_t> number = decimal(text);
  if (!number || *number < lowest_module || *number > highest_module) {
    row.fail("module: expected a number from 700 to 952, found " + quoted(text));
    return 0;
  }
  const loaded_module* loaded = find_loaded(row.reader.known, *number);
  const bool builtin = loaded == nullptr && find_module(row.reader.known, *number) != nullptr;
  if (loaded == nullptr && !builtin) return static_cast<std::uint16_t>(*number);
  row.good = false;
  if (!row.reader.refused.insert(*number).second) return 0;
  if (builtin)
    row.fail("module: " + std::to_string(*number) + " is a built-in module");
  else
    row.fail("module " + std::to_string(*number) + " is already loaded from " + loaded->file);
  return 0;
}

std::uint8_t variant(row_fields& row, std::string_view text) {
  if (text.empty() || text == "0") return 0;
  if (text == "1") return 1;
  row.fail("variant: expected 0 or 1, found " + quoted(text));
  return 0;
}

std::uint8_t position(row_fields& row, std::string_view text) {
  const std::optional<std::uint32_t> number = decimal(text);
  if (number && *number >= first_position && *number <= last_position)
    return static_cast<std::uint8_t>(*number);
  row.fail("position: expected a number from 3 to 34, found " + quoted(text));
  return 0;
}

fixed_text<max_module_name_length> signal_name(row_fields& row, std::string_view text) {
  if (text.size() > max_module_name_length)
    row.fail("signal: expected at most 28 characters, found " + std::to_string(text.size()) +
             " in " + quoted(text));
  return text;
}

// The direction a row gives its signal, by its direction word (in, out,
// inout) and its standard. An LVDS signal is the p half of its pair on an
// odd position, the n half on an even one.
direction signal_direction(row_fields& row, std::string_view mode, std::string_view standard,
                           int at) {
  constexpr std::string_view modes[] = {"in", "out", "inout"};
  constexpr direction single_ended[] = {direction::se_in, direction::se_out, direction::se_bidir};
  constexpr direction lvds[2][2] = {{direction::lvds_in_n, direction::lvds_in_p},
                                    {direction::lvds_out_n, direction::lvds_out_p}};
  std::size_t m = 0;
  while (m < std::size(modes) && !same_word(mode, modes[m])) ++m;
  const bool is_lvds = same_word(standard, "LVDS_25");
  if (m == std::size(modes)) row.fail("direction: expected in, out or inout, found " + quoted(mode));
  if (!is_lvds && !standard.empty() && !same_word(standard, "LVTTL"))
    row.fail("standard: expected LVTTL or LVDS_25, found " + quoted(standard));
  if (is_lvds && m == 2)
    row.fail("standard: expected LVTTL with direction inout, found " + quoted(standard));
  if (!row.good) return direction::nc;
  return is_lvds ? lvds[m][at % 2] : single_ended[m];
}

module_rows& rows_of(file_reader& reader, std::uint16_t number, std::size_t line) {
  for (module_rows& module : reader.modules)
    if (module.number == number) return module;
  module_rows& module = reader.modules.emplace_back();
  module.number = number;
  module.first_line = line;
  return module;
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
  const auto field = [&](column c) -> std::string_view {
    return columns[c] == absent ? std::string_view() : record.fields[columns[c]];
  };
  row_fields row{reader, record.line};
  const std::uint16_t number = module_number(row, field(module_column));
  const std::uint8_t v = variant(row, field(variant_column));
  const std::uint8_t at = position(row, field(position_column));
  const qm_pin_row_type pin{signal_name(row, field(signal_column)),
                            signal_direction(row, field(direction_column),
                                             field(standard_column), at)};
  if (!row.good) return;
  module_rows& module = rows_of(reader, number, record.line);
  if (const std::size_t taken = module.lines[v][at]; taken != 0) {
    return reader.report(record.line, "position: expected each position once in variant " +
                                          std::to_string(v) + ", found " + std::to_string(at) +
                                          " also on line " + std::to_string(taken));
  }
  module.rows[v][at] = pin;
  module.lines[v][at] = record.line;
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
                             const module_catalogue& known) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's UTF-8 mark
  const std::vector<csv_record> records = read_csv(text);
  file_reader reader{file_name, known, {}, {}, {}};
  auto header = std::find_if_not(records.begin(), records.end(), is_blank);
  module_file file;
  if (header == records.end()) {
    file.problems.push_back({1, "header: expected the columns module, position, signal and "
                                "direction, found no header"});
    return file;
  }
  const std::optional<column_map> columns = read_header(reader, *header);
  if (columns) {
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
