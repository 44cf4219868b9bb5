#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/text/csv_records.h"

namespace hbpins {

// An empty line, or one of empty fields as spreadsheets write for an empty
// row.
bool is_blank(const csv_record& record);

// The header of a file of named columns, as a message states it: "header:
// expected the columns module, position, signal and direction, found ".
std::string needed_columns_expected(std::span<const std::string_view> columns,
                                    std::span<const std::size_t> needed);

// The field of each column (by its index in columns) that the header names,
// in any order and any case, absent_column for those it does not name;
// fields it names otherwise are notes. Nothing where it names a column
// twice or lacks a needed one, with each problem added.
inline constexpr std::size_t absent_column = static_cast<std::size_t>(-1);
std::optional<std::vector<std::size_t>> read_csv_header(const csv_record& header,
                                                        std::span<const std::string_view> columns,
                                                        std::span<const std::size_t> needed,
                                                        std::vector<std::string>& problems);

}  // namespace hbpins
