#include "output/vhdl_writers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "configurations.h"
#include "output/port_list.h"

namespace hbpins {
namespace {

using testing::assembled;
using testing::board_701_declarations;
using testing::slot_declarations_722;
using testing::slot_port_map_722;

std::string declarations_of(const vhdl_entity_type& entity) {
  std::ostringstream out;
  write_decl_lines(entity, out);
  return out.str();
}

std::string port_map_of(const vhdl_entity_type& entity) {
  std::ostringstream out;
  write_map_lines(entity, out);
  return out.str();
}

TEST(VhdlWriters, DeclarationFileAndPortMapOfBoard701WithModule722) {
  hb_module_type config = assembled(701, {722});
  std::ostringstream out;
  std::ostringstream messages;
  write_declarations(config, out, messages, true, true);
  EXPECT_EQ(out.str(), board_701_declarations + slot_declarations_722);

  std::ostringstream block;
  write_declarations(config, block, messages, false, true);
  EXPECT_EQ(block.str(), slot_declarations_722);

  std::ostringstream map;
  write_port_map(config, map, messages);
  EXPECT_EQ(map.str(), slot_port_map_722);
  EXPECT_EQ(messages.str(), "");
}

TEST(VhdlWriters, NamesArePaddedToTheColumnWithAtLeastOneBlank) {
  vhdl_entity_type entity;
  std::ostringstream messages;
  add_port(entity, std::string(18, 'a'), vhdl_dir::inp, messages);
  add_port(entity, std::string(19, 'b'), vhdl_dir::out, messages);
  add_port(entity, std::string(20, 'c'), vhdl_dir::inout, messages);
  entity.ports[entity.count++] = {"X", vhdl_dir::buffer};
  EXPECT_EQ(declarations_of(entity),
            "    aaaaaaaaaaaaaaaaaa  : in     std_logic;\n"
            "    bbbbbbbbbbbbbbbbbbb  : out    std_logic;\n"
            "    cccccccccccccccccccc  : inout  std_logic;\n"
            "    X                   : buffer std_logic;\n");
  EXPECT_EQ(port_map_of(entity),
            "    aaaaaaaaaaaaaaaaaa  => aaaaaaaaaaaaaaaaaa,\n"
            "    bbbbbbbbbbbbbbbbbbb => bbbbbbbbbbbbbbbbbbb,\n"
            "    cccccccccccccccccccc => cccccccccccccccccccc,\n"
            "    X                   => X,\n");
}

TEST(VhdlWriters, VectorBoundsAreRightAlignedInTwoColumns) {
  vhdl_entity_type entity;
  std::ostringstream messages;
  for (const char* name : {"Z<0>", "W<0>", "W<31>", "H<100>", "H<7>"}) {
    add_port(entity, name, vhdl_dir::inp, messages);
  }
  EXPECT_EQ(declarations_of(entity),
            "    Z                   : in     std_logic_vector( 0 downto  0);\n"
            "    W                   : in     std_logic_vector(31 downto  0);\n"
            "    H                   : in     std_logic_vector(100 downto  7);\n");
  EXPECT_EQ(port_map_of(entity),
            "    Z                   => Z,\n"
            "    W                   => W,\n"
            "    H                   => H,\n");
}

TEST(VhdlWriters, EmptySlotsAndModule955GiveOnlyCommentLines) {
  hb_module_type config = assembled(709, {954, 955});
  std::ostringstream decl;
  std::ostringstream map;
  std::ostringstream messages;
  write_declarations(config, decl, messages, false, true);
  write_port_map(config, map, messages);
  const std::string expected =
      "-- Slot 0 is empty\n"
      "-- Slot 2 is empty\n"
      "-- Slot 3 is empty\n"
      "-- Slot 4 is empty\n"
      "-- Slot 5 is empty\n"
      "-- Slot 6 is empty\n"
      "-- Slot 7 is empty\n";
  EXPECT_EQ(decl.str(), expected);
  EXPECT_EQ(map.str(), expected);
  // 32 lines per collection, none of them in the VHDL text.
  const std::string lines = messages.str();
  EXPECT_EQ(lines.find("Port QM<1><3> => Closing bracket"), 0U);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 64);
}

TEST(VhdlWriters, AConfigurationWithoutBoardWritesNothing) {
  hb_module_type config;
  std::ostringstream out;
  std::ostringstream messages;
  write_declarations(config, out, messages, true, true);
  write_port_map(config, out, messages);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(messages.str(), "");
}

}  // namespace
}  // namespace hbpins
