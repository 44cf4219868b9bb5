#include "catalogue/text/csv_records.h"

namespace hbpins {

namespace {

struct csv_cursor {
  std::string_view text;
  std::size_t at = 0;
  std::size_t line = 1;

  bool done() const { return at >= text.size(); }
  char peek() const { return text[at]; }
  bool at_line_end() const { return !done() && (peek() == '\n' || peek() == '\r'); }
  // Passes one line end: LF, CRLF or a lone CR.
  void take_line_end() {
    if (peek() == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    ++at;
    ++line;
  }
  void skip_line() {
    while (!done() && !at_line_end()) ++at;
    if (!done()) take_line_end();
  }
};

// From after the opening quote to after the closing one, line ends kept as
// they are; false at the end of the text.
bool read_quoted(csv_cursor& cursor, std::string& field) {
  while (!cursor.done()) {
    if (cursor.peek() == '"') {
      ++cursor.at;
      if (cursor.done() || cursor.peek() != '"') return true;
    } else if (cursor.at_line_end()) {
      const std::size_t start = cursor.at;
      cursor.take_line_end();
      field.append(cursor.text.substr(start, cursor.at - start));
      continue;
    }
    field.push_back(cursor.peek());  // a doubled quote gives one
    ++cursor.at;
  }
  return false;
}

// One field and what ends it; false where the quotes are wrong, with the
// problem in the record.
bool read_field(csv_cursor& cursor, csv_record& record) {
  std::string& field = record.fields.emplace_back();
  if (!cursor.done() && cursor.peek() == '"') {
    ++cursor.at;
    if (!read_quoted(cursor, field)) {
      record.problem = "quote: expected a closing quote before the end of the file";
      return false;
    }
    if (!cursor.done() && cursor.peek() != ',' && !cursor.at_line_end()) {
      record.problem = "quote: expected a comma or a line end after a closing quote";
      return false;
    }
    return true;
  }
  while (!cursor.done() && cursor.peek() != ',' && !cursor.at_line_end()) {
    if (cursor.peek() == '"') {
      record.problem = "quote: expected quotes only around a whole field";
      return false;
    }
    field.push_back(cursor.peek());
    ++cursor.at;
  }
  return true;
}

csv_record read_record(csv_cursor& cursor) {
  csv_record record;
  record.line = cursor.line;
  while (read_field(cursor, record)) {
    if (cursor.done()) return record;
    if (cursor.at_line_end()) {
      cursor.take_line_end();
      return record;
    }
    ++cursor.at;  // the comma
  }
  cursor.skip_line();
  return record;
}

}  // namespace

std::vector<csv_record> read_csv(std::string_view text) {
  std::vector<csv_record> records;
  csv_cursor cursor{text};
  while (!cursor.done()) records.push_back(read_record(cursor));
  return records;
}

}  // namespace hbpins
