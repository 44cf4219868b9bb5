// The UCF reader on texts as people write them, case by case: each text
// gives its statements, one line each as "LINE NAME KIND=VALUE ...", and its
// fault as "LINE: message", or nothing.

#include "output/ucf/ucf_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hbpins {
namespace {

std::string described(std::string_view text) {
  constexpr std::string_view kinds[] = {"LOC", "IOSTANDARD", "PULL"};
  std::string described;
  const std::optional<ucf_read_error> error = read_ucf(text, [&](const net_statement& net) {
    described += std::to_string(net.line) + ' ' + std::string(net.name);
    for_each_constraint(net, [&](const ucf_constraint& c) {
      described.append(" ").append(kinds[static_cast<int>(c.kind)]).append("=").append(c.value);
    });
    described += '\n';
  });
  if (error) described += std::to_string(error->line) + ": " + error->message;
  return described;
}

struct reader_case {
  const char* what;
  std::string text;
  std::string expected;
};

const reader_case reader_cases[] = {
    {"quoted and bare names and values", "NET \"a b\" LOC = \"P 1\";\nnet CLK loc=P181;\n",
     "1 a b LOC=P 1\n2 CLK LOC=P181\n"},
    {"keywords in any case", "Net x Iostandard = lvttl | pullup | PullDown;",
     "1 x IOSTANDARD=lvttl PULL=up PULL=down\n"},
    {"every constraint where it stands", "NET a LOC=A1 | LOC=A2 | IOSTANDARD=X | PULLUP | LOC=A1;",
     "1 a LOC=A1 LOC=A2 IOSTANDARD=X PULL=up LOC=A1\n"},
    {"other constraints passed over",
     "NET a TNM_NET = \"x\" | LOC = A1 | SLEW = FAST | DRIVE = 8 | IOSTANDARD = LVTTL;",
     "1 a LOC=A1 IOSTANDARD=LVTTL\n"},
    {"a statement across lines, told at its first",
     "\n\nNET \"x\"\n  LOC = \"A1\"\n  | IOSTANDARD\n =\n LVTTL\n;",
     "3 x LOC=A1 IOSTANDARD=LVTTL\n"},
    {"a keyword at the start of a line ends a statement",
     "NET \"x\" LOC = \"A1\" ## {IN}\nNET \"y\" LOC = \"A2\"\n  INST u1 LOC = A3;",
     "1 x LOC=A1\n2 y LOC=A2\n"},
    {"several statements on a line", "NET a LOC=A1; NET b LOC=A2;;NET c PULLUP",
     "1 a LOC=A1\n1 b LOC=A2\n1 c PULL=up\n"},
    {"statements without a compared constraint", "NET a KEEP;\nNET b;\nTIMESPEC TS = 5 ns;\n", ""},
    {"other statements, read for their form", "INST u1 LOC = A1;\nPIN p LOC = A2;\nCONFIG x;\n",
     ""},
    {"LF, CRLF and CR line ends", "NET a LOC=A1\r\nNET b LOC=A2\rNET c LOC=A3\n\rNET d LOC=A4",
     "1 a LOC=A1\n2 b LOC=A2\n3 c LOC=A3\n5 d LOC=A4\n"},
    {"a comment ends at a lone CR", "NET a LOC=A1; # c\rNET b LOC=A2;", "1 a LOC=A1\n2 b LOC=A2\n"},
    {"a byte order mark", "\xEF\xBB\xBFNET a LOC=A1;", "1 a LOC=A1\n"},
    {"a byte order mark only at the start", "NET a LOC=A1;\n\xEF\xBB\xBFNET b LOC=A2;",
     "1 a LOC=A1\n2: NET, INST, PIN, TIMESPEC, TIMEGRP, CONFIG or AREA_GROUP expected, not "
     "\"\\xEF\\xBB\\xBFNET\""},
    {"UTF-8 in names and comments", "NET \xC3\x84 LOC=A1; # \xC3\xA4\n", "1 \xC3\x84 LOC=A1\n"},
    {"an empty text", "", ""},
    {"NUL", std::string("NET a LOC=A1;\nNET b LOC=\"A\0\";", 27),
     "1 a LOC=A1\n2: not a text file: byte 0x00"},
    {"a control byte in a comment", "\n# \x01\n", "2: not a text file: byte 0x01"},
    {"DEL", "NET a\x7f LOC=A1;", "1: not a text file: byte 0x7f"},
    {"a quote open at LF", "NET a LOC=A1;\n\nNET \"b LOC = A2;\n",
     "1 a LOC=A1\n3: a quote that does not end on its line"},
    {"a quote open at a lone CR", "NET \"b\rc\" LOC=A1;",
     "1: a quote that does not end on its line"},
    {"a quote open at the end", "NET a LOC = \"A1", "1: a quote that does not end on its line"},
    {"no statement keyword", "NET a LOC=A1;\nLOC = A2;",
     "1 a LOC=A1\n2: NET, INST, PIN, TIMESPEC, TIMEGRP, CONFIG or AREA_GROUP expected, not "
     "\"LOC\""},
    {"a quoted keyword is no keyword", "\"NET\" a LOC=A1;",
     "1: NET, INST, PIN, TIMESPEC, TIMEGRP, CONFIG or AREA_GROUP expected, not \"NET\""},
    {"NET at the end", "NET a LOC=A1;\r\nnet", "1 a LOC=A1\n2: NET without a name"},
    {"NET before a semicolon", "net ; NET b LOC=A2;", "1: NET without a name"},
    {"NET before =", "NET = \"P83\";", "1: NET without a name"},
    {"NET with an empty name", "NET \"\" LOC = A1;", "1: NET without a name"},
    {"NET before a keyword on the next line", "NET\nNET a LOC=A1;", "1: NET without a name"},
    {"LOC at the end", "NET a LOC", "1: a: LOC without a value"},
    {"LOC without =", "NET a LOC A1;", "1: a: LOC without a value"},
    {"LOC = at the end of the statement", "NET a\n LOC =\n;", "2: a: LOC without a value"},
    {"IOSTANDARD = before a bar", "NET a IOSTANDARD = | LOC = A1;",
     "1: a: IOSTANDARD without a value"},
    {"LOC = =", "NET a LOC = = A1;", "1: a: LOC without a value"},
    {"no bar after LOC", "NET a LOC = A1\n IOSTANDARD = LVTTL;",
     "2: a: | or ; expected after LOC, not \"IOSTANDARD\""},
    {"no bar after PULLUP", "NET a pullup = TRUE;",
     "1: a: | or ; expected after PULLUP, not \"=\""},
    {"NET within a statement", "NET a LOC = A1 NET b LOC = A2;",
     "1: a: | or ; expected after LOC, not \"NET\""},
    {"a quoted constraint", "NET a \"A1\";", "1: a: a constraint expected, not \"A1\""},
    {"= for a constraint", "NET a | = A1;", "1: a: a constraint expected, not \"=\""},
    {"a byte later in a statement comes first", std::string("NET = \"x\0\";", 11),
     "1: not a text file: byte 0x00"},
    {"a quote later in a statement comes first", "NET a LOC = A1 IOSTANDARD = \"x\n;",
     "1: a quote that does not end on its line"},
    {"the first fault of a statement", "NET a LOC = A1 B | PULLUP C;",
     "1: a: | or ; expected after LOC, not \"B\""},
    {"a fault ends the reading", "NET a LOC=A1;\nNET b LOC;\nNET c LOC=A3;",
     "1 a LOC=A1\n2: b: LOC without a value"},
};

// More constraints than a statement keeps as it is read: they are read
// again from its text, across its lines and comments.
TEST(UcfReader, ManyConstraintsReadAgain) {
  std::string text = "NET \"x\" # the net\n", expected = "1 x";
  for (int k = 0; k < 40; ++k) {
    const std::string value = std::to_string(k);
    text.append(k % 3 == 0   ? "| LOC = A"
                : k % 3 == 1 ? "| iostandard=\"S"
                             : "| TNM = t")
        .append(value)
        .append(k % 3 == 1 ? "\"\r\n" : " # " + value + "\n");
    if (k % 3 != 2) expected.append(k % 3 == 0 ? " LOC=A" : " IOSTANDARD=S").append(value);
    if (k % 5 == 0) {
      text += "| PULLDOWN ";
      expected += " PULL=down";
    }
  }
  EXPECT_EQ(described(text + "| PULLUP;\nNET y LOC = B1;"), expected + " PULL=up\n43 y LOC=B1\n");
}

TEST(UcfReader, Cases) {
  for (const reader_case& c : reader_cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(described(c.text), c.expected);
  }
}

}  // namespace
}  // namespace hbpins
