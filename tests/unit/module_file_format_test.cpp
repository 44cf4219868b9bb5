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

}  // namespace
}  // namespace hbpins
