#include "output/template_merge.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "configurations.h"

namespace hbpins {
namespace {

using testing::assembled;
using testing::slot_declarations_722;
using testing::slot_port_map_722;

struct merge_result {
  std::string out;
  std::string messages;
};

merge_result merge(hb_module_type& config, const std::string& tmpl) {
  std::istringstream in(tmpl);
  std::ostringstream out;
  std::ostringstream messages;
  merge_template(config, in, out, messages);
  return {out.str(), messages.str()};
}

std::string merged(const std::string& tmpl) {
  hb_module_type config = assembled(701, {722});
  return merge(config, tmpl).out;
}

std::string repeated(const std::string& text, std::size_t times) {
  std::string all;
  all.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) all += text;
  return all;
}

TEST(TemplateMerge, FiveLineTemplate) {
  EXPECT_EQ(merged("X\n  -- QM_BEGIN\nY\n-- QM_END\nZ\n"),
            "X\n" + slot_declarations_722 + "Y\nZ\n");
}

TEST(TemplateMerge, MarkersAnywhereInTheLineWithExactCase) {
  EXPECT_EQ(merged("port (-- QM_BEGIN here\n"
                   "  -- qm_begin\n"
                   "a -- QM_END b\n"
                   "port map (  -- QM_MAP_BEGIN );\n"
                   "x-- QM_MAP_END\n"
                   "-- QM_BEGI\n"
                   "-- QM\n"),
            slot_declarations_722 + "  -- qm_begin\n" + slot_port_map_722 + "-- QM_BEGI\n-- QM\n");
}

TEST(TemplateMerge, EndMarkersAreDroppedWithoutPairing) {
  EXPECT_EQ(merged("-- QM_MAP_END\nA\n-- QM_END\n-- QM_MAP_BEGIN\nB\n"),
            "A\n" + slot_port_map_722 + "B\n");
}

TEST(TemplateMerge, EveryLineEndIsReadAndWrittenAsLineFeed) {
  EXPECT_EQ(merged("A\r\nB\r\n\r\nC"), "A\nB\n\nC\n");
  EXPECT_EQ(merged("A\rB\r\rC\r"), "A\nB\n\nC\n");
  EXPECT_EQ(merged("A\r\r\nB\n\rC\r\n"), "A\n\nB\n\nC\n");
  EXPECT_EQ(merged("-- QM_BEGIN\r\nX\r"), slot_declarations_722 + "X\n");
}

TEST(TemplateMerge, TheEndFollowsTheReading) {
  EXPECT_EQ(merged(""), "\n");
  EXPECT_EQ(merged("\n"), "\n");
  EXPECT_EQ(merged("\r\n"), "\n");
  EXPECT_EQ(merged("X"), "X\n");
  EXPECT_EQ(merged("X\n"), "X\n");
  EXPECT_EQ(merged("X\n\n"), "X\n\n");
}

TEST(TemplateMerge, AMarkerAloneGivesExactlyItsBlock) {
  EXPECT_EQ(merged("-- QM_BEGIN"), slot_declarations_722);
  EXPECT_EQ(merged("-- QM_BEGIN\n"), slot_declarations_722);
  EXPECT_EQ(merged("-- QM_MAP_BEGIN\n"), slot_port_map_722);
  EXPECT_EQ(merged("-- QM_END\n"), "");
}

TEST(TemplateMerge, EachBeginMarkerCollectsAfresh) {
  hb_module_type config = assembled(701, {954, 954, 954, 955});
  const std::string empty_slots =
      "-- Slot 0 is empty\n"
      "-- Slot 1 is empty\n"
      "-- Slot 2 is empty\n";

  std::string lost;
  for (int p = 3; p <= 33; ++p) {  // position 34 is not wired on board 701
    lost += "Port QM<3><" + std::to_string(p) +
            "> => Closing bracket is not the last character in the name!\n";
  }

  const merge_result twice = merge(config, "-- QM_BEGIN\n-- QM_BEGIN\n");
  EXPECT_EQ(twice.out, empty_slots + empty_slots);
  EXPECT_EQ(twice.messages, lost + lost);

  const merge_result both = merge(config, "A\n-- QM_BEGIN\nB\n-- QM_MAP_BEGIN\nC\n");
  EXPECT_EQ(both.out, "A\n" + empty_slots + "B\n" + empty_slots + "C\n");
  EXPECT_EQ(both.messages, twice.messages);
}

TEST(TemplateMerge, LongLinesAreCopiedWhole) {
  const std::string line_300(300, 'a');
  EXPECT_EQ(merged(line_300 + "\n" + line_300), line_300 + "\n" + line_300 + "\n");

  const std::string line_100000(100000, 'b');
  EXPECT_EQ(merged(line_100000 + "\r\n" + line_100000 + " -- QM_END\r\n" + line_100000),
            line_100000 + "\n" + line_100000 + "\n");
  EXPECT_EQ(merged(line_300 + "-- QM_BEGIN\n" + line_100000 + "-- QM_MAP_BEGIN"),
            slot_declarations_722 + slot_port_map_722);
}

// The template is read in blocks; line ends and markers of a repeated text
// fall at every offset of a block boundary across the prefix lengths. A lone
// CR followed by a line whose LF starts the next block must not pass for a
// CRLF split between blocks.
TEST(TemplateMerge, LinesThatStraddleReadsAreWhole) {
  struct pattern {
    std::string text;
    std::string output;
  };
  const pattern patterns[] = {
      {"ab\r\n", "ab\n"},         {"ab\r", "ab\n"},      {"a\r\r\n", "a\n\n"},
      {"x-- QM_MAP_END\r\n", ""}, {"y -- QM_END\n", ""}, {"-- QMX Q\n", "-- QMX Q\n"},
      {"a\rb\n", "a\nb\n"},
  };
  constexpr std::size_t template_size = 800000;
  hb_module_type config = assembled(701, {722});
  for (const pattern& p : patterns) {
    const std::size_t times = template_size / p.text.size();
    const std::string body = repeated(p.text, times);
    const std::string expected = repeated(p.output, times);
    for (std::size_t prefix = 0; prefix < p.text.size(); ++prefix) {
      const std::string first(prefix, 'p');
      const merge_result result = merge(config, first + "\n" + body);
      ASSERT_TRUE(result.out == first + "\n" + expected) << p.text << " after " << prefix;
    }
  }

  const std::string long_line = std::string(99990, 'w') + "-- QM_END";
  const std::string body = repeated(long_line + "\r\n" + long_line.substr(0, 99990) + "\r", 9);
  EXPECT_TRUE(merge(config, body).out == repeated(long_line.substr(0, 99990) + "\n", 9));
}

// Serves its text, then fails like a disk that cannot be read.
struct failing_source : std::streambuf {
  explicit failing_source(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }
  int_type underflow() override { throw std::runtime_error("read error"); }
  std::string text_;
};

// Takes nothing, like a full disk.
struct failing_sink : std::streambuf {
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(TemplateMerge, AReadFailureEndsTheMergeAndStaysOnTheTemplate) {
  hb_module_type config = assembled(701, {722});
  failing_source source("A\nB");
  std::istream tmpl(&source);
  std::ostringstream out;
  std::ostringstream messages;
  merge_template(config, tmpl, out, messages);
  EXPECT_TRUE(tmpl.bad());
  EXPECT_EQ(out.str().find("B"), std::string::npos);
}

TEST(TemplateMerge, AWriteFailureComesOutAsException) {
  hb_module_type config = assembled(701, {722});
  std::istringstream tmpl("A\n-- QM_BEGIN\n");
  failing_sink sink;
  std::ostream out(&sink);
  out.exceptions(std::ios::badbit);
  std::ostringstream messages;
  EXPECT_THROW(merge_template(config, tmpl, out, messages), std::ios_base::failure);

  std::istringstream marker_only("-- QM_MAP_BEGIN");
  EXPECT_THROW(merge_template(config, marker_only, out, messages), std::ios_base::failure);
}

}  // namespace
}  // namespace hbpins
