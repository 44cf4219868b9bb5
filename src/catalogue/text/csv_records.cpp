#include "catalogue/text/csv_records.h"

namespace hbpins {

namespace {

bool done(const csv_reader& r) {
  return r.at >= r.text.size();
}

bool at_line_end(const csv_reader& r) {
  return !done(r) && (r.text[r.at] == '\n' || r.text[r.at] == '\r');
}

// Passes one line end: LF, CRLF or a lone CR.
void take_line_end(csv_reader& r) {
  if (r.text[r.at] == '\r' && r.at + 1 < r.text.size() && r.text[r.at + 1] == '\n') ++r.at;
  ++r.at;
  ++r.line;
}

void skip_line(csv_reader& r) {
  while (!done(r) && !at_line_end(r)) ++r.at;
  if (!done(r)) take_line_end(r);
}

void unquote(std::string_view quoted, csv_field& field) {
  field.unquoted.clear();
  field.unquoted.reserve(quoted.size());
  for (std::size_t k = 0; k < quoted.size(); ++k) {
    field.unquoted += quoted[k];
    if (quoted[k] == '"') ++k;  // the second quote of a pair
  }
  field.text = field.unquoted;
}

// From after the opening quote to after the closing one, line ends kept as
// they are; false at the end of the text.
bool read_quoted(csv_reader& r, csv_field& field) {
  const std::size_t start = r.at;
  bool doubled = false;
  while (!done(r)) {
    if (at_line_end(r)) {
      take_line_end(r);
    } else if (r.text[r.at] != '"') {
      ++r.at;
    } else if (r.at + 1 < r.text.size() && r.text[r.at + 1] == '"') {
      doubled = true;
      r.at += 2;
    } else {
      field.text = r.text.substr(start, r.at++ - start);
      if (doubled) unquote(field.text, field);
      return true;
    }
  }
  return false;
}

bool fail(csv_reader& r, csv_field& field, std::string_view problem) {
  field.problem = problem;
  field.ends_record = true;
  r.in_record = false;
  skip_line(r);
  return true;
}

bool read_bare(csv_reader& r, csv_field& field) {
  const std::size_t start = r.at;
  for (; !done(r) && r.text[r.at] != ',' && !at_line_end(r); ++r.at)
    if (r.text[r.at] == '"') return false;
  field.text = r.text.substr(start, r.at - start);
  return true;
}

// After a field: a comma goes on to the next field of the record; a line
// end or the end of the text ends the record.
void end_field(csv_reader& r, csv_field& field) {
  r.in_record = !done(r) && r.text[r.at] == ',';
  field.ends_record = !r.in_record;
  if (r.in_record)
    ++r.at;
  else if (!done(r))
    take_line_end(r);
}

}  // namespace

bool read_field(csv_reader& r, csv_field& field) {
  if (done(r) && !r.in_record) return false;
  if (!r.in_record) r.record_line = r.line;
  field.record_line = r.record_line;
  field.text = {};
  field.problem.clear();
  if (!done(r) && r.text[r.at] == '"') {
    ++r.at;
    if (!read_quoted(r, field))
      return fail(r, field, "quote: expected a closing quote before the end of the file");
    if (!done(r) && r.text[r.at] != ',' && !at_line_end(r))
      return fail(r, field, "quote: expected a comma or a line end after a closing quote");
  } else if (!read_bare(r, field)) {
    return fail(r, field, "quote: expected quotes only around a whole field");
  }
  end_field(r, field);
  return true;
}

std::vector<csv_record> read_csv(std::string_view text) {
  std::vector<csv_record> records;
  csv_reader reader{text};
  csv_field field;
  bool starts = true;
  while (read_field(reader, field)) {
    if (starts) records.push_back({field.record_line, {}, {}});
    csv_record& record = records.back();
    if (field.problem.empty())
      record.fields.emplace_back(field.text);
    else
      record.problem = field.problem;
    starts = field.ends_record;
  }
  return records;
}

}  // namespace hbpins
