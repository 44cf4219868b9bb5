#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/text/csv_records.h"

namespace hbpins {

// A CSV file of named columns, as the module and board files are: a header
// that names the columns in any order and any case (blanks around a name are
// no part of it; fields it names otherwise are notes), then a row per
// record. Records that are empty, or hold only empty fields as spreadsheets
// write for an empty row, are skipped. It is read field by field, so that a
// file takes no more memory than its longest field, whatever it holds.

struct column_entry {
  std::string_view name;
  bool required;  // a file without the column is refused
};

// A problem of the file, on the line its record starts on (1 for the
// header): the field, what it expects and what it found.
struct file_problem {
  std::size_t line = 0;
  std::string message;
};

// A file with more problems is told up to there: reading stops, so that the
// messages of a file made of faults take no more memory than a few.
inline constexpr std::size_t max_file_problems = 100;

struct csv_table {
  explicit csv_table(std::string_view text) : csv{text} {}

  void report(std::size_t line, std::string message) {
    problems.push_back({line, std::move(message)});
  }

  csv_reader csv;
  csv_field field{};
  std::vector<file_problem> problems{};
};

// A row: its fields by column, empty for a column the header does not name.
using table_row = std::span<const std::string>;

// Reads the header and then each row through row(fields, line), up to the
// end of the text or to the most problems told (and one more that says so).
// Each problem of the header, or of the shape of a record, is told; false
// where the header is refused.
bool read_table(csv_table& table, std::span<const column_entry> columns,
                const std::function<void(table_row fields, std::size_t line)>& row);

// Whether reading stopped at the most problems: a file told only in part is
// not checked further, as the rows not read would be missing.
bool told_in_part(const csv_table& table);

// The problems in line order, each line's in the order they were told.
std::vector<file_problem> problems_in_line_order(csv_table& table);

}  // namespace hbpins
