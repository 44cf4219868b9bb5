#include "output/port_list.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "configurations.h"

namespace hbpins {
namespace {

using testing::assembled;

struct port_view {
  std::string name;
  vhdl_dir mode;
  int low;
  int high;
  bool is_vector;

  bool operator==(const port_view&) const = default;
};

std::ostream& operator<<(std::ostream& out, const port_view& port) {
  return out << port.name << ' ' << static_cast<int>(port.mode) << ' ' << port.low << ".."
             << port.high << (port.is_vector ? " vector" : "");
}

std::vector<port_view> ports_of(const vhdl_entity_type& entity) {
  std::vector<port_view> ports;
  for (int i = 0; i < entity.count; ++i) {
    const vhdl_port_type& p = entity.ports[i];
    ports.push_back({std::string(p.name.view()), p.mode, p.low, p.high, p.is_vector});
  }
  return ports;
}

port_view scalar(const char* name, vhdl_dir mode) {
  return {name, mode, 0, 0, false};
}
port_view vector(const char* name, vhdl_dir mode, int low, int high) {
  return {name, mode, low, high, true};
}
port_view comment(const char* text) {
  return {text, vhdl_dir::comment, 0, 0, false};
}

// Adds the signals in order with one mode and returns all messages.
std::string add_all(vhdl_entity_type& entity, const std::vector<std::string>& names,
                    vhdl_dir mode = vhdl_dir::inp) {
  std::ostringstream messages;
  for (const std::string& name : names) add_port(entity, name, mode, messages);
  return messages.str();
}

class PortList : public ::testing::Test {
 protected:
  void SetUp() override { init(entity); }
  vhdl_entity_type entity;
};

TEST(VhdlMode, PullResistorsAndLvdsPolarityDoNotReachThePortMode) {
  EXPECT_EQ(vhdl_mode(direction::se_in_up), vhdl_dir::inp);
  EXPECT_EQ(vhdl_mode(direction::lvds_in_n), vhdl_dir::inp);
  EXPECT_EQ(vhdl_mode(direction::se_out), vhdl_dir::out);
  EXPECT_EQ(vhdl_mode(direction::lvds_out_p), vhdl_dir::out);
  EXPECT_EQ(vhdl_mode(direction::se_bidir_dn), vhdl_dir::inout);
}

struct bracket_case {
  const char* name;
  const char* message;
};

TEST_F(PortList, EveryBracketFaultIsOneLineAndNoPort) {
  const bracket_case cases[] = {
      {"<1>X", "Port <1>X => Name starts with bracket!\n"},
      {"A>1", "Port A>1 => Closing bracket before opening bracket!\n"},
      {"A<>", "Port A<> => Closing bracket direct after opening bracket!\n"},
      {"A<1x>", "Port A<1x> => no number characters in the index part!\n"},
      {"A<1>B", "Port A<1>B => Closing bracket is not the last character in the name!\n"},
      {"A<1>>", "Port A<1>> => Closing bracket is not the last character in the name!\n"},
      {"A<<1>", "Port A<<1> => More than one open brackets detected!\n"},
      {"A<12", "Port A<12 => Error converting the index to number!\n"},
      {"A(", "Port A( => Error converting the index to number!\n"},
      {"A[1)x", "Port A[1)x => Closing bracket is not the last character in the name!\n"},
  };
  for (const bracket_case& c : cases) {
    EXPECT_EQ(add_all(entity, {c.name}), c.message) << c.name;
    EXPECT_EQ(entity.count, 0) << c.name;
  }
}

TEST_F(PortList, IndexOutsideSixteenBitsIsAConversionFailure) {
  EXPECT_EQ(add_all(entity, {"A<32768>", "A<99999999999999999999>"}),
            "Port A<32768> => Error converting the index to number!\n"
            "Port A<99999999999999999999> => Error converting the index to number!\n");
  EXPECT_EQ(add_all(entity, {"A<32767>", "A<007>"}), "");
  EXPECT_EQ(ports_of(entity), (std::vector{vector("A", vhdl_dir::inp, 7, 32767)}));
}

TEST_F(PortList, NamesBecomeScalarsAndVectorsOverAnyBrackets) {
  EXPECT_EQ(add_all(entity, {"CLK", "QM0_A[2]", "QM0_A(5)", "QM0_A<4]", "QM0_B<3>", "QM0_B<1>",
                             "QM0_B<3>"}),
            "");
  EXPECT_EQ(ports_of(entity),
            (std::vector{scalar("CLK", vhdl_dir::inp), vector("QM0_A", vhdl_dir::inp, 2, 5),
                         vector("QM0_B", vhdl_dir::inp, 1, 3)}));
}

TEST_F(PortList, ConflictingSignalsAreReportedAndLeaveTheFirstPort) {
  std::ostringstream messages;
  add_port(entity, "QM0_B", vhdl_dir::out, messages);
  add_port(entity, "QM0_B", vhdl_dir::out, messages);
  add_port(entity, "QM0_B<1>", vhdl_dir::out, messages);
  add_port(entity, "QM0_A<1>", vhdl_dir::inp, messages);
  add_port(entity, "QM0_A", vhdl_dir::inp, messages);
  add_port(entity, "QM0_A[2]", vhdl_dir::out, messages);
  EXPECT_EQ(messages.str(),
            "Error! QM0_B declared twice as scalar!\n"
            "Error! QM0_B declared once as scalar, once as vector!\n"
            "Error! QM0_A declared once as scalar, once as vector!\n"
            "Error! QM0_A<2> has different direction from the rest!\n");
  EXPECT_EQ(ports_of(entity),
            (std::vector{scalar("QM0_B", vhdl_dir::out), vector("QM0_A", vhdl_dir::inp, 1, 1)}));
}

TEST_F(PortList, CommentsAreStoredUncheckedAndCutTo32Characters) {
  std::ostringstream messages;
  add_port(entity, "<1>X)", vhdl_dir::comment, messages);
  add_port(entity, "CLK", vhdl_dir::comment, messages);
  add_port(entity, "CLK", vhdl_dir::inp, messages);
  add_port(entity, "A comment text of forty characters long.", vhdl_dir::comment, messages);
  EXPECT_EQ(messages.str(), "");
  EXPECT_EQ(ports_of(entity),
            (std::vector{comment("<1>X)"), comment("CLK"), scalar("CLK", vhdl_dir::inp),
                         comment("A comment text of forty characte")}));
}

TEST_F(PortList, BaseNamesOver32CharactersAreRefused) {
  const std::string name_32(32, 'N');
  EXPECT_EQ(add_all(entity, {name_32 + "<1>", name_32 + "X", name_32 + "X<2>"}),
            "Port " + name_32 + "X => Name longer than 32 characters!\n" + "Port " + name_32 +
                "X<2> => Name longer than 32 characters!\n");
  EXPECT_EQ(ports_of(entity), (std::vector{vector(name_32.c_str(), vhdl_dir::inp, 1, 1)}));
}

TEST_F(PortList, ANameHeldTwiceIsReportedAndTheFirstEntryFound) {
  entity.ports[0] = {"D", vhdl_dir::comment};
  entity.ports[1] = {"Q", vhdl_dir::inp};
  entity.ports[2] = {"D", vhdl_dir::out};
  entity.ports[3] = {"D", vhdl_dir::inp};
  entity.ports[4] = {"D", vhdl_dir::inout};
  entity.count = 5;
  std::ostringstream messages;
  EXPECT_EQ(find_port(entity, "D", messages), 2);
  EXPECT_EQ(messages.str(),
            "Same name D found more than once!\nSame name D found more than once!\n");
  EXPECT_EQ(find_port(entity, "d", messages), -1);
  EXPECT_EQ(find_port(entity, "X", messages), -1);
}

TEST_F(PortList, TheListNeverGrowsPast256Entries) {
  std::ostringstream messages;
  for (int i = 0; i < max_ports - 1; ++i) add_port(entity, "c", vhdl_dir::comment, messages);
  add_port(entity, "V<1>", vhdl_dir::out, messages);
  ASSERT_EQ(messages.str(), "");
  ASSERT_EQ(port_count(entity), max_ports);

  add_port(entity, "V<9>", vhdl_dir::out, messages);
  add_port(entity, "S", vhdl_dir::out, messages);
  add_port(entity, "Slot 7 is empty", vhdl_dir::comment, messages);
  EXPECT_EQ(messages.str(),
            "Port S => Port list full, entry dropped!\n"
            "Port Slot 7 is empty => Port list full, entry dropped!\n");
  EXPECT_EQ(port_count(entity), max_ports);
  EXPECT_EQ(ports_of(entity).back(), vector("V", vhdl_dir::out, 1, 9));
}

TEST_F(PortList, InOrderReadingGoesOnceThroughTheEntries) {
  add_all(entity, {"A", "B<2>", "B<1>"});
  vhdl_port_type port;
  ASSERT_TRUE(first_port(entity, port));
  EXPECT_EQ(port.name.view(), "A");
  ASSERT_TRUE(next_port(entity, port));
  EXPECT_EQ(port.name.view(), "B");
  EXPECT_EQ(port.low, 1);
  EXPECT_FALSE(next_port(entity, port));
  EXPECT_EQ(port.name.view(), "B");
  ASSERT_TRUE(first_port(entity, port));
  EXPECT_EQ(port.name.view(), "A");

  init(entity);
  EXPECT_EQ(port_count(entity), 0);
  EXPECT_FALSE(first_port(entity, port));
}

TEST(CollectPorts, Board701WithModule722OnSlot0) {
  hb_module_type config = assembled(701, {722});
  std::ostringstream messages;
  collect_ports(config, messages, true, true);
  EXPECT_EQ(messages.str(), "");
  const auto in = vhdl_dir::inp;
  const auto out = vhdl_dir::out;
  EXPECT_EQ(ports_of(config.entity), (std::vector{
                                         scalar("CLK", in),
                                         scalar("LED_Back", out),
                                         scalar("RD_n", out),
                                         scalar("WR", out),
                                         scalar("RES_n", in),
                                         scalar("RXF_n", in),
                                         scalar("TXE_n", in),
                                         vector("UD", vhdl_dir::inout, 0, 7),
                                         comment("QM722 on slot 0"),
                                         vector("QM0_DIN", in, 1, 5),
                                         vector("QM0_DOUT", out, 1, 5),
                                         vector("QM0_DOEn", out, 1, 5),
                                         vector("QM0_LEDn", out, 1, 5),
                                         comment("Slot 1 is empty"),
                                         comment("Slot 2 is empty"),
                                         comment("Slot 3 is empty"),
                                     }));

  collect_ports(config, messages, true, false);
  EXPECT_EQ(port_count(config.entity), 8);
  collect_ports(config, messages, false, true);
  EXPECT_EQ(port_count(config.entity), 8);
  EXPECT_EQ(ports_of(config.entity).front(), comment("QM722 on slot 0"));
}

TEST(CollectPorts, Module955GivesItsMessagesAndNoEntriesEachTime) {
  // Board 706 wires positions 3 to 32.
  hb_module_type config = assembled(706, {954, 954, 955});
  std::string expected;
  for (int p = 3; p <= 32; ++p) {
    expected += "Port QM<2><" + std::to_string(p) +
                "> => Closing bracket is not the last character in the name!\n";
  }
  const std::vector slot_comments{comment("Slot 0 is empty"), comment("Slot 1 is empty"),
                                  comment("Slot 3 is empty")};

  std::ostringstream first;
  collect_ports(config, first, false, true);
  EXPECT_EQ(first.str(), expected);
  EXPECT_EQ(ports_of(config.entity), slot_comments);

  std::ostringstream second;
  collect_ports(config, second, false, true);
  EXPECT_EQ(second.str(), expected);
  EXPECT_EQ(ports_of(config.entity), slot_comments);
}

TEST(CollectPorts, SlotsAboveTheSlotCountAndOfNoBoardAreNotRead) {
  hb_module_type config = assembled(709, {});
  config.slots[7].qm_index = 31;
  std::ostringstream messages;
  collect_ports(config, messages, false, true);
  EXPECT_EQ(port_count(config.entity), 8);
  EXPECT_EQ(ports_of(config.entity).back(), comment("QM731 on slot 7"));

  config.hb_index = 0;
  collect_ports(config, messages, false, true);
  EXPECT_EQ(port_count(config.entity), 0);
  EXPECT_EQ(messages.str(), "");
}

}  // namespace
}  // namespace hbpins
