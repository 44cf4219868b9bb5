#include "output/hdl/template_merge.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "catalogue/run_catalogue.h"
#include "output/hdl/port_list.h"
#include "output/hdl/verilog_writers.h"
#include "output/hdl/vhdl_writers.h"

namespace hbpins {
namespace {

// Board 701 with module 733 on slot 0: short blocks, and the declaration
// block differs from the port map.
const pin_list& pins() {
  static const pin_list board = [] {
    board_configuration config;
    select_board(config, *find_board({}, 701));
    place_module(config, 0, find_module({}, 733), 0);
    return resolve_pins(config);
  }();
  return board;
}

// A template that cannot seek, as one read from a FIFO.
struct unseekable : std::stringbuf {
  using std::stringbuf::stringbuf;
  pos_type seekoff(off_type, std::ios::seekdir, std::ios::openmode) override { return -1; }
};

std::string merged(const std::string& tmpl, std::size_t block = template_block_size,
                   bool seekable = true, hdl_language language = hdl_language::vhdl) {
  unseekable buffer(tmpl);
  std::istringstream text(tmpl);
  std::istream unseekable_text(&buffer);
  std::ostringstream out;
  std::ostringstream messages;
  merge_template(collect_ports(pins(), false, true), language, seekable ? text : unseekable_text,
                 out, messages, block);
  return out.str();
}

std::string merged_verilog(const std::string& tmpl, std::size_t block = template_block_size,
                           bool seekable = true) {
  return merged(tmpl, block, seekable, hdl_language::verilog);
}

// "<D>" stands for the declaration block, "<M>" for the port map, in VHDL;
// "<VD>" and "<VM>" for them in Verilog.
std::string expanded(std::string text) {
  std::ostringstream declarations, port_map, verilog_declarations, verilog_port_map, messages;
  write_declarations(collect_ports(pins(), false, true, messages), declarations);
  write_port_map(collect_ports(pins(), false, true, messages), port_map);
  write_verilog_declarations(collect_ports(pins(), false, true, messages), verilog_declarations);
  write_verilog_port_map(collect_ports(pins(), false, true, messages), verilog_port_map);
  for (std::size_t at; (at = text.find("<VD>")) != std::string::npos;)
    text.replace(at, 4, verilog_declarations.str());
  for (std::size_t at; (at = text.find("<VM>")) != std::string::npos;)
    text.replace(at, 4, verilog_port_map.str());
  for (std::size_t at; (at = text.find("<D>")) != std::string::npos;)
    text.replace(at, 3, declarations.str());
  for (std::size_t at; (at = text.find("<M>")) != std::string::npos;)
    text.replace(at, 3, port_map.str());
  return text;
}

TEST(TemplateMerge, MarkersAndLineEnds) {
  const std::pair<std::string, std::string> cases[] = {
      {"X\n  -- QM_BEGIN\nY\n-- QM_END\nZ\n", "X\n<D>Y\nZ\n"},
      // Found anywhere in a line, in exactly this case; the whole line goes.
      {"port (-- QM_BEGIN here\n  -- qm_begin\na -- QM_END b\nmap (  -- QM_MAP_BEGIN );\n"
       "x-- QM_MAP_END\n-- QM_BEGI\n-- QM\n",
       "<D>  -- qm_begin\n<M>-- QM_BEGI\n-- QM\n"},
      {"-- QM_MAP_END\nA\n-- QM_END\n-- QM_MAP_BEGIN\nB\n", "A\n<M>B\n"},
      {"-- QM_BEGIN\n-- QM_BEGIN", "<D><D>"},
      {"-- QM_MAP_BEGIN\n", "<M>"},
      {"-- QM_END\n", ""},
      // LF, CR and CRLF all end a line; the output has LF only.
      {"A\r\nB\r\n\r\nC", "A\nB\n\nC\n"},
      {"A\rB\r\rC\r", "A\nB\n\nC\n"},
      {"A\r\r\nB\n\rC\r\n", "A\n\nB\n\nC\n"},
      {"-- QM_BEGIN\r\nX\r", "<D>X\n"},
      // The end test follows the reading: an empty template is one line.
      {"", "\n"},
      {"\r\n", "\n"},
      {"X", "X\n"},
      {"X\n\n", "X\n\n"},
  };
  for (const auto& [tmpl, output] : cases) EXPECT_EQ(merged(tmpl), expanded(output)) << tmpl;
}

// A Verilog template has markers that begin with "//", and its blocks are
// Verilog; the VHDL markers are ordinary lines in it, and the other way
// round.
TEST(TemplateMerge, EachLanguageHasItsMarkers) {
  const std::string tmpl =
      "A // QM_BEGIN\n-- QM_BEGIN\n  // QM_END x\n-- QM_END\n//QM_BEGIN\n// QM_MAP_BEGIN\r\n"
      "-- QM_MAP_BEGIN\n// QM_MAP_END\n// qm_map_begin\n// QM_MAP_BEGIN // QM_BEGIN\n";
  EXPECT_EQ(merged_verilog(tmpl),
            expanded("<VD>-- QM_BEGIN\n-- QM_END\n//QM_BEGIN\n<VM>-- QM_MAP_BEGIN\n"
                     "// qm_map_begin\n<VD>"));
  EXPECT_EQ(merged(tmpl), expanded("A // QM_BEGIN\n<D>  // QM_END x\n//QM_BEGIN\n"
                                   "// QM_MAP_BEGIN\n<M>// QM_MAP_END\n// qm_map_begin\n"
                                   "// QM_MAP_BEGIN // QM_BEGIN\n"));
}

TEST(TemplateMerge, LongLinesAreCopiedWhole) {
  const std::string line(100000, 'b');
  EXPECT_EQ(merged(line + "\r\n" + line + " -- QM_END\r\n" + line), line + "\n" + line + "\n");
  EXPECT_EQ(merged(line + "-- QM_BEGIN\n" + line + "-- QM_MAP_BEGIN"), expanded("<D><M>"));
}

// Lines longer than a block are read to their end before they are copied
// (or held whole where the template cannot seek). Each block size puts
// their ends and markers at other offsets of a read.
TEST(TemplateMerge, LinesLongerThanABlock) {
  const std::string b(90, 'b');
  const std::pair<std::string, std::string> cases[] = {
      {b + "\r\n" + b + "-- QM_END\r" + b + "-- QM_MAP_BEGI\n" + b,
       b + "\n" + b + "-- QM_MAP_BEGI\n" + b + "\n"},
      {b + "-- QM_BEGIN" + b + "\r\r\n-- QM_MAP_BEGIN" + b + "\r", "<D>\n<M>"},
      {b + "-- QM_MAP_BEGIN" + b + "\n\n" + b + "\r\r" + b, "<M>\n" + b + "\n\n" + b + "\n"},
  };
  const std::pair<std::string, std::string> verilog_cases[] = {
      {b + "// QM_BEGIN" + b + "\r\n-- QM_BEGIN" + b + "// QM_MAP_BEGI\r" + b + "// QM_MAP_END",
       "<VD>-- QM_BEGIN" + b + "// QM_MAP_BEGI\n"},
      {b + "-- QM_MAP_BEGIN" + b + "// QM_MAP_BEGIN\n" + b, "<VM>" + b + "\n"},
  };
  for (std::size_t block = 32; block < 128; ++block) {
    for (const auto& [tmpl, output] : cases) {
      EXPECT_EQ(merged(tmpl, block), expanded(output)) << block << tmpl;
      EXPECT_EQ(merged(tmpl, block, false), expanded(output)) << block << tmpl;
    }
    for (const auto& [tmpl, output] : verilog_cases) {
      EXPECT_EQ(merged_verilog(tmpl, block), expanded(output)) << block << tmpl;
      EXPECT_EQ(merged_verilog(tmpl, block, false), expanded(output)) << block << tmpl;
    }
  }
}

// The template is read in blocks: each pattern, repeated past the first
// block, puts its line ends and markers at every offset of a block boundary
// as the prefix grows. A lone CR followed by a line whose LF starts the next
// block must not pass for a CRLF split between blocks.
TEST(TemplateMerge, LinesThatStraddleReadsAreWhole) {
  const std::pair<std::string, std::string> patterns[] = {
      {"ab\r\n", "ab\n"},         {"ab\r", "ab\n"},      {"a\r\r\n", "a\n\n"},
      {"x-- QM_MAP_END\r\n", ""}, {"y -- QM_END\n", ""}, {"-- QMX Q\n", "-- QMX Q\n"},
      {"a\rb\n", "a\nb\n"},
  };
  for (const auto& [text, output] : patterns) {
    std::string body, expected;
    while (body.size() < 600000) body += text, expected += output;
    for (std::size_t prefix = 0; prefix < text.size(); ++prefix) {
      const std::string first(prefix, 'p');
      ASSERT_TRUE(merged(first + "\n" + body) == first + "\n" + expected) << text << prefix;
    }
  }
}

}  // namespace
}  // namespace hbpins
