// The CSV reader case by case: each text gives its records, one line each
// as "LINE: field|field|...", or "LINE: problem" for a record whose quotes
// are wrong.

#include "catalogue/text/csv_records.h"

#include <gtest/gtest.h>

#include <string>

namespace hbpins {
namespace {

std::string described(std::string_view text) {
  std::string described;
  for (const csv_record& record : read_csv(text)) {
    described += std::to_string(record.line) + ": ";
    if (!record.problem.empty()) {
      described += record.problem + '\n';
      continue;
    }
    for (std::size_t f = 0; f < record.fields.size(); ++f)
      described += (f == 0 ? "" : "|") + record.fields[f];
    described += '\n';
  }
  return described;
}

struct csv_case {
  const char* what;
  std::string_view text;
  std::string_view expected;
};

const csv_case csv_cases[] = {
    {"an empty text", "", ""},
    {"a last line without a line end", "a,b,c", "1: a|b|c\n"},
    {"LF", "a,b\nc,d\n", "1: a|b\n2: c|d\n"},
    {"CRLF, a lone CR, LF", "a\r\nb\rc\nd", "1: a\n2: b\n3: c\n4: d\n"},
    {"a lone CR at the end", "a\r", "1: a\n"},
    {"empty lines", "\n\r\n\n", "1: \n2: \n3: \n"},
    {"empty fields", ",,\na,\n,a", "1: ||\n2: a|\n3: |a\n"},
    {"blanks are part of a field", " a , b\t", "1:  a | b\t\n"},
    {"a comma in quotes", "\"a,b\",c", "1: a,b|c\n"},
    {"doubled quotes", "\"a\"\"b\"\"\",\"\"\"\"", "1: a\"b\"|\"\n"},
    {"an empty quoted field", "\"\",\"\"\n", "1: |\n"},
    {"a line end in quotes counts its line", "\"a\nb\",c\nd", "1: a\nb|c\n3: d\n"},
    {"CRLF in quotes kept", "\"a\r\nb\"\nc", "1: a\r\nb\n3: c\n"},
    {"a lone CR in quotes", "\"a\rb\"\rc", "1: a\rb\n3: c\n"},
    {"a quote inside a bare field", "a\"b,c\nd",
     "1: quote: expected quotes only around a whole field\n2: d\n"},
    {"text after a closing quote", "x,\"a\"b,c\r\nd",
     "1: quote: expected a comma or a line end after a closing quote\n2: d\n"},
    {"a quote that never closes", "a\n\"b\nc,d\n",
     "1: a\n2: quote: expected a closing quote before the end of the file\n"},
    {"a quote closed at the end", "a,\"b\"", "1: a|b\n"},
    {"bytes of any value", std::string_view("\0,\xC3\xA4", 4),
     std::string_view("1: \0|\xC3\xA4\n", 8)},
};

TEST(CsvRecords, Cases) {
  for (const csv_case& c : csv_cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(described(c.text), c.expected);
  }
}

// Field by field: where each record starts and which field ends it; a field
// without doubled quotes is a view into the text, so that reading copies
// nothing but such fields.
TEST(CsvRecords, FieldByField) {
  const std::string_view text = "a,\"b\nc\",\"d\"\"\"\ne,\n";
  struct expected_field {
    std::size_t line;
    std::string_view text;
    bool ends_record;
    bool in_text;
  };
  const expected_field expected[] = {{1, "a", false, true},
                                     {1, "b\nc", false, true},
                                     {1, "d\"", true, false},
                                     {3, "e", false, true},
                                     {3, "", true, true}};
  csv_reader reader{text};
  csv_field field;
  for (const expected_field& e : expected) {
    SCOPED_TRACE(e.text);
    ASSERT_TRUE(read_field(reader, field));
    EXPECT_EQ(field.record_line, e.line);
    EXPECT_EQ(field.text, e.text);
    EXPECT_EQ(field.ends_record, e.ends_record);
    const bool in_text = field.text.empty() || (field.text.data() >= text.data() &&
                                                field.text.data() < text.data() + text.size());
    EXPECT_EQ(in_text, e.in_text);
    EXPECT_TRUE(field.problem.empty());
  }
  EXPECT_FALSE(read_field(reader, field));
  EXPECT_FALSE(read_field(reader, field));
}

// A field with a problem ends its record, and the next line starts the next.
TEST(CsvRecords, AProblemEndsTheRecord) {
  csv_reader reader{"a,b\"c,d\ne"};
  csv_field field;
  ASSERT_TRUE(read_field(reader, field));
  EXPECT_EQ(field.text, "a");
  ASSERT_TRUE(read_field(reader, field));
  EXPECT_EQ(field.problem, "quote: expected quotes only around a whole field");
  EXPECT_TRUE(field.ends_record);
  ASSERT_TRUE(read_field(reader, field));
  EXPECT_EQ(field.text, "e");
  EXPECT_EQ(field.record_line, 2u);
  EXPECT_TRUE(field.problem.empty());
  EXPECT_FALSE(read_field(reader, field));
}

}  // namespace
}  // namespace hbpins
