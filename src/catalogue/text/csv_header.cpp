#include "catalogue/text/csv_header.h"

#include <algorithm>

#include "catalogue/text/ascii_case.h"

namespace hbpins {

bool is_blank(const csv_record& record) {
  return record.problem.empty() &&
         std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return field.empty(); });
}

std::string needed_columns_expected(std::span<const std::string_view> columns,
                                    std::span<const std::size_t> needed) {
  std::string text = "header: expected the columns ";
  for (std::size_t n = 0; n < needed.size(); ++n) {
    if (n > 0) text += n + 1 == needed.size() ? " and " : ", ";
    text += columns[needed[n]];
  }
  return text + ", found ";
}

std::optional<std::vector<std::size_t>> read_csv_header(const csv_record& header,
                                                        std::span<const std::string_view> columns,
                                                        std::span<const std::size_t> needed,
                                                        std::vector<std::string>& problems) {
  if (!header.problem.empty()) {
    problems.push_back(header.problem);
    return std::nullopt;
  }
  std::vector<std::size_t> fields(columns.size(), absent_column);
  bool good = true;
  for (std::size_t f = 0; f < header.fields.size(); ++f) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (!equal_in_any_case(header.fields[f], columns[c])) continue;
      if (fields[c] != absent_column) {
        problems.push_back("header: expected each column once, found " + std::string(columns[c]) +
                           " twice");
        good = false;
      }
      fields[c] = f;
    }
  }
  std::string missing;
  for (const std::size_t c : needed)
    if (fields[c] == absent_column)
      missing.append(missing.empty() ? "no " : ", ").append(columns[c]);
  if (!missing.empty()) problems.push_back(needed_columns_expected(columns, needed) + missing);
  return good && missing.empty() ? std::optional(fields) : std::nullopt;
}

}  // namespace hbpins
