// The Verilog port lines: the same port list as the VHDL lines, written as
// ANSI declarations and named connections, with escaped identifiers for
// the names Verilog does not take as they are. No built-in board or module
// has such a name, so these rules are reached here only.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "output/hdl/hdl_language.h"
#include "output/hdl/port_list.h"
#include "output/hdl/verilog_names.h"
#include "output/hdl/verilog_writers.h"

namespace hbpins {
namespace {

// The declarations and then the connections of the ports given as
// {name, mode, low, high, is_vector}.
std::string verilog_lines(std::initializer_list<vhdl_port> ports) {
  port_list list;
  for (const vhdl_port& port : ports) append_port(list, port);
  std::ostringstream out;
  write_verilog_declarations(list, out);
  write_verilog_port_map(list, out);
  return out.str();
}

TEST(VerilogPorts, DirectionsRangesAndColumns) {
  EXPECT_EQ(verilog_lines({{"QM0 on slot 0", port_mode::comment},
                           {"CLK", port_mode::inp},
                           {"LED", port_mode::out, 1, 5, true},
                           {"DATA", port_mode::inout, 0, 31, true},
                           {"B", port_mode::buffer, 0, 0, true},
                           {"WIDE", port_mode::inp, -3, 300, true}}),
            "// QM0 on slot 0\n"
            "    input  wire         CLK,\n"
            "    output wire [ 5: 1] LED,\n"
            "    inout  wire [31: 0] DATA,\n"
            "    output wire [ 0: 0] B,\n"
            "    input  wire [300:-3] WIDE,\n"
            "// QM0 on slot 0\n"
            "    .CLK                (CLK),\n"
            "    .LED                (LED),\n"
            "    .DATA               (DATA),\n"
            "    .B                  (B),\n"
            "    .WIDE               (WIDE),\n");
  // The parenthesis stands in column 25 after names of up to 18 characters;
  // a longer name is followed by one blank.
  EXPECT_EQ(verilog_lines(
                {{"N23456789012345678", port_mode::inp}, {"N234567890123456789", port_mode::inp}}),
            "    input  wire         N23456789012345678,\n"
            "    input  wire         N234567890123456789,\n"
            "    .N23456789012345678 (N23456789012345678),\n"
            "    .N234567890123456789 (N234567890123456789),\n");
}

// An escaped identifier runs to the next blank, which each use supplies.
TEST(VerilogPorts, NamesVerilogDoesNotTakeAreEscaped) {
  EXPECT_EQ(verilog_lines({{"wire", port_mode::inp},
                           {"logic", port_mode::out, 0, 3, true},
                           {"3D", port_mode::inp},
                           {"ACBUS_", port_mode::inout, 0, 7, true},
                           {"Wire", port_mode::inp}}),
            "    input  wire         \\wire ,\n"
            "    output wire [ 3: 0] \\logic ,\n"
            "    input  wire         \\3D ,\n"
            "    inout  wire [ 7: 0] ACBUS_,\n"
            "    input  wire         Wire,\n"
            "    .\\wire              (\\wire ),\n"
            "    .\\logic             (\\logic ),\n"
            "    .\\3D                (\\3D ),\n"
            "    .ACBUS_             (ACBUS_),\n"
            "    .Wire               (Wire),\n");
}

TEST(VerilogPorts, SimpleIdentifiersAndKeywords) {
  for (const char* name : {"A", "_a", "a$b", "A_", "a__b", "x9", "WIRE", "Module", "end_"})
    EXPECT_TRUE(is_simple_identifier(name)) << name;
  for (const char* name : {"", "9a", "$a", "a-b", "a b", "a\\b", "wire", "module", "logic",
                           "always_ff", "xor", "accept_on", "within"})
    EXPECT_FALSE(is_simple_identifier(name)) << name;
  // Of Verilog-2005 and of SystemVerilog, in lower case only.
  for (const char* name : {"input", "uwire", "pulsestyle_onevent", "bit", "unique0", "wor"})
    EXPECT_TRUE(is_verilog_keyword(name)) << name;
  for (const char* name : {"INPUT", "wires", "in", "vhdl", "downto", "std_logic"})
    EXPECT_FALSE(is_verilog_keyword(name)) << name;
}

// The file names that make a design file Verilog; every other is VHDL.
TEST(VerilogPorts, TheLanguageFollowsTheFileName) {
  for (const char* name : {"top.v", "TOP.V", "a/b.sv", "x.SV", "dir.vhd/top.v", ".v"})
    EXPECT_EQ(language_of_file(name), hdl_language::verilog) << name;
  for (const char* name : {"top.vhd", "top.vhdl", "top.VHD", "top.v.vhd", "top.vh", "top.sva",
                           "top.txt", "top", "v", "dir.v/top.vhd", "top.v "})
    EXPECT_EQ(language_of_file(name), hdl_language::vhdl) << name;
}

TEST(VerilogPorts, DefaultTemplateNames) {
  EXPECT_EQ(default_template_file_name(710, hdl_language::vhdl), "HB710_template.vhd");
  EXPECT_EQ(default_template_file_name(701, hdl_language::verilog), "HB701_template.v");
}

}  // namespace
}  // namespace hbpins
