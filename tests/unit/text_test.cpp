// The text helpers that every message and every CSV output goes through:
// the fields the catalogue's own names never make (commas, quotes, line
// ends, bytes outside ASCII) are reached here.

#include <gtest/gtest.h>

#include <string>

#include "catalogue/text/csv_fields.h"
#include "catalogue/text/message_text.h"

namespace hbpins {
namespace {

TEST(Text, CsvFields) {
  const std::pair<std::string_view, std::string_view> fields[] = {
      {"", ""},
      {"QM0_DIN<5>", "QM0_DIN<5>"},
      {"a b", "a b"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"\"", "\"\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
  };
  for (const auto& [field, written] : fields) {
    std::string text = "x,";
    append_csv_field(text, field);
    EXPECT_EQ(text, "x," + std::string(written)) << field;
  }
}

TEST(Text, QuotedForMessages) {
  EXPECT_EQ(hbpins::quoted(""), "\"\"");
  EXPECT_EQ(hbpins::quoted("P83"), "\"P83\"");
  EXPECT_EQ(hbpins::quoted("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(hbpins::quoted("\t\x7f\xc3\xbc~ "), "\"\\x09\\x7F\\xC3\\xBC~ \"");
  const std::string forty(40, 'x');
  EXPECT_EQ(hbpins::quoted(forty), '"' + forty + '"');
  EXPECT_EQ(hbpins::quoted(forty + "y"), '"' + forty + "...\"");
  // The cut counts the characters of the text, not of their escapes.
  EXPECT_EQ(hbpins::quoted(std::string(41, '\n')).size(), 2 + 40 * 4 + 3);
}

}  // namespace
}  // namespace hbpins
