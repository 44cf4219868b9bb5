// The words of the module file, swept over every direction: each one a
// module can have is written with words that read back to it on its own
// half of a pair, and those are the words of the UCF file and the VHDL
// ports, as the pin report writes them.

#include "catalogue/module_file/module_file_format.h"

#include <gtest/gtest.h>

#include "catalogue/direction_table.h"

namespace hbpins {
namespace {

TEST(ModuleFileFormat, EveryModuleDirectionReadsBack) {
  for (int value = 0; value <= static_cast<int>(direction::nc); ++value) {
    const direction dir = static_cast<direction>(value);
    const direction_entry& info = direction_info(dir);
    SCOPED_TRACE(value);
    const std::optional<module_file_direction> words = words_of(dir);
    // No module sets a pull resistor; nc is no signal.
    ASSERT_EQ(words.has_value(), dir != direction::nc && info.pull.empty());
    if (!words) continue;
    EXPECT_EQ(words->direction_word, mode_name(info.mode));
    EXPECT_EQ(words->standard_word, info.standard);
    const std::optional<module_file_direction> read = direction_of_words(
        direction_word(words->direction_word), standard_word(words->standard_word));
    ASSERT_TRUE(read.has_value());
    const bool on_odd = read->on_odd == dir;
    EXPECT_TRUE(on_odd || read->on_even == dir);
    // The p half of an LVDS pair on the odd position, as the listing pairs them.
    if (read->on_odd != read->on_even) {
      EXPECT_EQ(info.listing_standard, on_odd ? "LVDS_p" : "LVDS_n");
    }
  }
}

TEST(ModuleFileFormat, WordsInAnyCase) {
  EXPECT_EQ(direction_word("INOUT"), "inout");
  EXPECT_EQ(standard_word("lvds_25"), "LVDS_25");
  EXPECT_EQ(direction_word("input"), "");
  EXPECT_EQ(standard_word(""), "");
  EXPECT_FALSE(direction_of_words("inout", "LVDS_25").has_value());
  EXPECT_EQ(direction_word_list(), "in, out or inout");
  EXPECT_EQ(standard_word_list(), "LVTTL or LVDS_25");
  EXPECT_EQ(default_standard, "LVTTL");
}

// The header -x writes names every column once, the required ones among
// them, in the order the rows give their fields.
TEST(ModuleFileFormat, HeaderNamesEveryColumn) {
  EXPECT_EQ(module_file_header(), "module,variant,position,signal,direction,standard");
}

TEST(ModuleFileFormat, Numbers) {
  struct number_case {
    std::string_view text;
    std::optional<std::uint32_t> value;
    bool leading_zero;
  };
  const number_case cases[] = {
      {"0", 0, false},
      {"7", 7, false},
      {"760", 760, false},
      {"00", 0, true},
      {"03", 3, true},
      {"0760", 760, true},
      {"999999999", 999999999, false},
      {"1000000000", std::nullopt, false},
      {"", std::nullopt, false},
      {"+7", std::nullopt, false},
      {"7 ", std::nullopt, false},
      {"0x7", std::nullopt, false},
      {"3.0", std::nullopt, false},
  };
  for (const number_case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(decimal_number(c.text), c.value);
    EXPECT_EQ(has_leading_zero(c.text), c.leading_zero);
  }
}

}  // namespace
}  // namespace hbpins
