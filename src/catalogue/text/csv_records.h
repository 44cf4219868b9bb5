#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hbpins {

// One record of a CSV text (RFC 4180): its fields, unquoted, and the line it
// starts on. A record whose quotes are wrong carries the problem instead.
struct csv_record {
  std::size_t line = 0;
  std::vector<std::string> fields;
  std::string problem;
};

// The records of the text. Lines end in LF, CRLF or CR; the last may end
// without one. A quoted field may hold commas, line ends and doubled quotes.
std::vector<csv_record> read_csv(std::string_view text);

}  // namespace hbpins
