// The port-name checks and the merging of vector bits, with the declaration
// and port-map lines the collected list gives. The catalogue's own names are
// all clean, so most of these rules are reached from the command line only
// through module 955.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "output/hdl/port_list.h"
#include "output/hdl/vhdl_writers.h"

namespace hbpins {
namespace {

// Adds the blank-separated signals in order ("out:" and "io:" set the mode,
// "#" makes a comment, with "~" for a blank) and returns the messages, then
// the declarations and the port map of the list.
std::string collected(const std::string& signals) {
  port_list list;
  std::ostringstream out;
  std::istringstream words(signals);
  for (std::string word; words >> word;) {
    port_mode mode = port_mode::inp;
    if (word.starts_with("out:")) mode = port_mode::out, word.erase(0, 4);
    if (word.starts_with("io:")) mode = port_mode::inout, word.erase(0, 3);
    if (word.starts_with("#")) mode = port_mode::comment, word.erase(0, 1);
    std::replace(word.begin(), word.end(), '~', ' ');
    add_port(list, word, mode, out);
  }
  write_declarations(list, out);
  write_port_map(list, out);
  return out.str();
}

TEST(PortNames, ChecksAndMerging) {
  const std::pair<std::string, std::string> cases[] = {
      {"<1>X", "Port <1>X => Name starts with bracket!\n"},
      {"A>1", "Port A>1 => Closing bracket before opening bracket!\n"},
      {"A<>", "Port A<> => Closing bracket direct after opening bracket!\n"},
      {"A<1x>", "Port A<1x> => no number characters in the index part!\n"},
      {"A<1>B", "Port A<1>B => Closing bracket is not the last character in the name!\n"},
      {"A<1>>", "Port A<1>> => Closing bracket is not the last character in the name!\n"},
      {"A[1)x", "Port A[1)x => Closing bracket is not the last character in the name!\n"},
      {"A<<1>", "Port A<<1> => More than one open brackets detected!\n"},
      {"A<12", "Port A<12 => Error converting the index to number!\n"},
      {"A(", "Port A( => Error converting the index to number!\n"},
      {"A<32768> A<99999999999999999999>",
       "Port A<32768> => Error converting the index to number!\n"
       "Port A<99999999999999999999> => Error converting the index to number!\n"},
      // Any brackets make a vector bit; a range covers every bit met, gaps
      // and repeats included.
      {"CLK out:Q[2] out:Q(5) out:Q<4] io:B<3> io:B<1> io:B<3> V<0> W<007> W<32767>",
       "    CLK                 : in     std_logic;\n"
       "    Q                   : out    std_logic_vector( 5 downto  2);\n"
       "    B                   : inout  std_logic_vector( 3 downto  1);\n"
       "    V                   : in     std_logic_vector( 0 downto  0);\n"
       "    W                   : in     std_logic_vector(32767 downto  7);\n"
       "    CLK                 => CLK,\n"
       "    Q                   => Q,\n"
       "    B                   => B,\n"
       "    V                   => V,\n"
       "    W                   => W,\n"},
      // Conflicts keep the first port as it was.
      {"out:B out:B out:B<1> A<1> A out:A[2]",
       "Error! B declared twice as scalar!\n"
       "Error! B declared once as scalar, once as vector!\n"
       "Error! A declared once as scalar, once as vector!\n"
       "Error! A<2> has different direction from the rest!\n"
       "    B                   : out    std_logic;\n"
       "    A                   : in     std_logic_vector( 1 downto  1);\n"
       "    B                   => B,\n"
       "    A                   => A,\n"},
      // Comments are stored unchecked, cut to 32 characters.
      {"#<1>X) #CLK CLK #A~comment~text~of~forty~characters~long.",
       "-- <1>X)\n-- CLK\n    CLK                 : in     std_logic;\n"
       "-- A comment text of forty characte\n"
       "-- <1>X)\n-- CLK\n    CLK                 => CLK,\n-- A comment text of forty characte\n"},
      // The colon stands in column 25 after names of up to 18 characters,
      // the arrow after names of up to 19; longer names get one blank more.
      {"N234567890123456780 N2345678901234567 N23456789012345678<0>",
       "    N234567890123456780  : in     std_logic;\n"
       "    N2345678901234567   : in     std_logic;\n"
       "    N23456789012345678  : in     std_logic_vector( 0 downto  0);\n"
       "    N234567890123456780 => N234567890123456780,\n"
       "    N2345678901234567   => N2345678901234567,\n"
       "    N23456789012345678  => N23456789012345678,\n"},
      {"N23456789012345678901",
       "    N23456789012345678901  : in     std_logic;\n"
       "    N23456789012345678901 => N23456789012345678901,\n"},
      // Names that are no basic identifier (a reserved word in any case, a
      // digit first, an underscore doubled or last) become extended ones.
      {"out:BUS io:Signal X__Y Z_<1> 3D Buses",
       "    \\BUS\\               : out    std_logic;\n"
       "    \\Signal\\            : inout  std_logic;\n"
       "    \\X__Y\\              : in     std_logic;\n"
       "    \\Z_\\                : in     std_logic_vector( 1 downto  1);\n"
       "    \\3D\\                : in     std_logic;\n"
       "    Buses               : in     std_logic;\n"
       "    \\BUS\\               => \\BUS\\,\n"
       "    \\Signal\\            => \\Signal\\,\n"
       "    \\X__Y\\              => \\X__Y\\,\n"
       "    \\Z_\\                => \\Z_\\,\n"
       "    \\3D\\                => \\3D\\,\n"
       "    Buses               => Buses,\n"},
      // A base name must fit the 32 characters of a port name.
      {"N2345678901234567890123456789012<1> N23456789012345678901234567890123 "
       "N23456789012345678901234567890123<2>",
       "Port N23456789012345678901234567890123 => Name longer than 32 characters!\n"
       "Port N23456789012345678901234567890123<2> => Name longer than 32 characters!\n"
       "    N2345678901234567890123456789012  : in     std_logic_vector( 1 downto  1);\n"
       "    N2345678901234567890123456789012 => N2345678901234567890123456789012,\n"},
  };
  for (const auto& [signals, output] : cases) EXPECT_EQ(collected(signals), output) << signals;
}

TEST(PortNames, TheListNeverGrowsPast256Entries) {
  std::string signals;
  for (std::size_t i = 1; i < max_ports; ++i) signals += "#c ";
  const std::string full = collected(signals + "out:V<1> out:V<9> S #Slot");
  EXPECT_TRUE(
      full.starts_with("Port S => Port list full, entry dropped!\n"
                       "Port Slot => Port list full, entry dropped!\n-- c\n"));
  EXPECT_TRUE(full.ends_with("-- c\n    V                   => V,\n"));
}

TEST(PortNames, ANameHeldTwiceIsReported) {
  port_list list;
  for (port_mode mode : {port_mode::comment, port_mode::out, port_mode::inp})
    append_port(list, {"D", mode});
  std::ostringstream messages;
  EXPECT_EQ(find_port(list, "D", messages), 1);
  EXPECT_EQ(find_port(list, "d", messages), -1);
  EXPECT_EQ(messages.str(), "Same name D found more than once!\n");
}

}  // namespace
}  // namespace hbpins
