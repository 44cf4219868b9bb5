#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hbpins {

// A CSV text (RFC 4180) read field by field, so that reading takes no more
// memory than the longest field, however many records and fields the text
// holds. Lines end in LF, CRLF or CR; the last may end without one. A
// quoted field may hold commas, line ends and doubled quotes.
struct csv_reader {
  std::string_view text;
  std::size_t at = 0;
  std::size_t line = 1;
  std::size_t record_line = 0;  // where the record being read starts
  bool in_record = false;       // after a comma: a field follows, empty at the end of the text
};

struct csv_field {
  std::size_t record_line = 0;  // the line its record starts on
  // The field, unquoted: a view into the text, or into `unquoted`; valid
  // until the next field is read into this one.
  std::string_view text;
  bool ends_record = false;
  // Where the quotes are wrong, what is wrong; the field then ends its
  // record, and the rest of the line is passed over.
  std::string problem;
  std::string unquoted;  // a quoted field with its doubled quotes made single
};

// Reads the next field into `field`; false at the end of the text.
bool read_field(csv_reader& reader, csv_field& field);

// One record of a CSV text: its fields, unquoted, and the line it starts on.
// A record whose quotes are wrong carries the problem instead.
struct csv_record {
  std::size_t line = 0;
  std::vector<std::string> fields;
  std::string problem;
};

// All the records of a text at once, for texts of a few records.
std::vector<csv_record> read_csv(std::string_view text);

}  // namespace hbpins
