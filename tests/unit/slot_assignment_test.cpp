#include "assembly/slot_assignment.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/board_catalogue.h"
#include "catalogue/module_catalogue.h"
#include "direction_printing.h"

namespace hbpins {
namespace {

using enum direction;

struct expected_pin {
  int position;
  std::string name;
  std::string loc;
  direction dir;
};

struct placement {
  qm_module_type record;
  std::string messages;
};

placement place(int board, int slot, int module, int modification = 0) {
  placement result;
  std::ostringstream out;
  set_module(result.record, static_cast<std::uint16_t>(module),
             static_cast<std::uint8_t>(modification), static_cast<std::uint8_t>(slot),
             static_cast<std::uint8_t>(board - 700), out);
  result.messages = out.str();
  return result;
}

int signal_count(const qm_module_type& record) {
  int count = 0;
  for (const pin_type& pin : record.pins.entries) count += pin.dir != nc;
  return count;
}

// The listed positions carry exactly these records, every other position none.
void expect_pins(const qm_module_type& record, const std::vector<expected_pin>& expected) {
  position_array<const expected_pin*> listed;
  for (const expected_pin& pin : expected) listed[pin.position] = &pin;
  for (int k = first_position; k <= last_position; ++k) {
    const pin_type& pin = record.pins[k];
    if (listed[k] == nullptr) {
      EXPECT_EQ(pin.dir, nc) << "position " << k << " holds " << pin.name.view();
      continue;
    }
    EXPECT_EQ(pin.name.view(), listed[k]->name) << "position " << k;
    EXPECT_EQ(pin.loc.view(), listed[k]->loc) << "position " << k;
    EXPECT_EQ(pin.dir, listed[k]->dir) << "position " << k;
  }
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

TEST(SlotAssignment, Module722OnSlot2OfBoard710) {
  const placement p = place(710, 2, 722);
  EXPECT_EQ(p.messages, "");
  EXPECT_EQ(p.record.hb_index, 10);
  EXPECT_EQ(p.record.qm_index, 22);
  EXPECT_EQ(p.record.modification, 0);
  EXPECT_EQ(p.record.slot, 2);
  // Position 7 is the module's NC row; the table ends at 23.
  expect_pins(p.record, {
                            {3, "QM2_DIN<5>", "F13", se_in},    {4, "QM2_DOUT<4>", "G13", se_out},
                            {5, "QM2_DOEn<5>", "H13", se_out},  {6, "QM2_DOUT<5>", "G12", se_out},
                            {8, "QM2_DOEn<4>", "F12", se_out},  {9, "QM2_DIN<4>", "A12", se_in},
                            {10, "QM2_DOUT<3>", "B12", se_out}, {11, "QM2_DIN<3>", "F11", se_in},
                            {12, "QM2_DOEn<3>", "G11", se_out}, {13, "QM2_DIN<2>", "D11", se_in},
                            {14, "QM2_DOUT<2>", "E11", se_out}, {15, "QM2_DIN<1>", "E10", se_in},
                            {16, "QM2_DOEn<2>", "F10", se_out}, {17, "QM2_DOEn<1>", "C10", se_out},
                            {18, "QM2_DOUT<1>", "D10", se_out}, {19, "QM2_LEDn<4>", "F9", se_out},
                            {20, "QM2_LEDn<5>", "G9", se_out},  {21, "QM2_LEDn<2>", "A8", se_out},
                            {22, "QM2_LEDn<3>", "B8", se_out},  {23, "QM2_LEDn<1>", "D7", se_out},
                        });
}

TEST(SlotAssignment, Module953OnSlot1OfBoard701) {
  const placement p = place(701, 1, 953);
  EXPECT_EQ(p.messages, "");
  const std::vector<std::string> locs = words(
      "190 191 194 196 198 199 10 11 12 13 2 3 203 204 26 27 185 187 15 16 7 9 183 205 189 197 "
      "29 22 5 4 200");
  std::vector<expected_pin> expected;
  for (int bit = 0; bit <= 30; ++bit)
    expected.push_back({bit + 3, "QM1_IO<" + std::to_string(bit) + ">",
                        locs[static_cast<std::size_t>(bit)], se_bidir});
  // Position 34 is not wired on board 701, so IO<31> is dropped.
  expect_pins(p.record, expected);
}

TEST(SlotAssignment, Module955OnSlot0OfBoard706) {
  const placement p = place(706, 0, 955);
  EXPECT_EQ(p.messages, "");
  EXPECT_EQ(p.record.qm_index, 255);
  const std::vector<std::string> locs = words(
      "94 95 111 113 114 115 116 117 119 120 100 101 106 107 130 131 122 123 138 139 124 125 79 "
      "102 85 133 93 126 109 108");
  std::vector<expected_pin> expected;
  for (int k = 3; k <= 32; ++k)
    expected.push_back(
        {k, "QM<0><" + std::to_string(k) + ">", locs[static_cast<std::size_t>(k - 3)], se_bidir});
  expect_pins(p.record, expected);
}

TEST(SlotAssignment, Module735SecondVariantOnSlot5OfBoard709) {
  const placement p = place(709, 5, 735, 1);
  EXPECT_EQ(p.messages, "");
  EXPECT_EQ(p.record.modification, 1);
  // Positions 31 and 32 are the module's NC rows.
  expect_pins(p.record,
              {
                  {3, "QM5_SCL", "L19", se_out},       {4, "QM5_SDA", "L20", se_bidir},
                  {5, "QM5_DATA<0>", "L21", se_in},    {6, "QM5_DATA<1>", "L22", se_in},
                  {7, "QM5_DATA<2>", "M19", se_in},    {8, "QM5_DATA<3>", "M20", se_in},
                  {9, "QM5_DATA<4>", "M21", se_in},    {10, "QM5_DATA<5>", "M22", se_in},
                  {11, "QM5_DATA<6>", "N19", se_in},   {12, "QM5_DATA<7>", "N20", se_in},
                  {13, "QM5_DATA<8>", "N21", se_in},   {14, "QM5_DATA<9>", "N22", se_in},
                  {15, "QM5_DATA<10>", "P19", se_in},  {16, "QM5_DATA<11>", "P20", se_in},
                  {17, "QM5_DATA<12>", "P21", se_in},  {18, "QM5_DATA<13>", "P22", se_in},
                  {19, "QM5_GI_GATE", "R19", se_out},  {20, "QM5_SPARE<1>", "R20", se_out},
                  {21, "QM5_SPARE<2>", "R21", se_out}, {22, "QM5_SPARE<3>", "R22", se_out},
                  {23, "QM5_FREQ<0>", "T19", se_out},  {24, "QM5_FREQ<1>", "T20", se_out},
                  {25, "QM5_CLK_CPU", "T21", se_out},  {26, "QM5_RESET", "T22", se_out},
                  {27, "QM5_SEn", "U20", se_out},      {28, "QM5_SDRD", "U21", se_in},
                  {29, "QM5_SDATA", "U22", se_out},    {30, "QM5_SCLKn", "U23", se_out},
                  {33, "QM5_CLKn", "V22", se_out},     {34, "QM5_CLKp", "V23", se_out},
              });
}

TEST(SlotAssignment, Module727OnSlot7OfBoard711) {
  const placement p = place(711, 7, 727);
  EXPECT_EQ(p.messages, "");
  expect_pins(p.record, {
                            {27, "QM7_TOSI<1>", "H19", se_in},
                            {28, "QM7_TOSO<1>", "H18", se_out},
                            {29, "QM7_TOSI<2>", "N22", se_in},
                            {30, "QM7_TOSO<2>", "N21", se_out},
                            {31, "QM7_TOSI<3>", "N24", se_in},
                            {32, "QM7_TOSO<3>", "N23", se_out},
                        });
}

TEST(SlotAssignment, Module736OnSlot3OfBoard701) {
  const placement p = place(701, 3, 736);
  EXPECT_EQ(p.messages, "");
  // The table starts at position 8; its NC rows and positions 33 and 34 stay empty.
  expect_pins(p.record, {
                            {8, "QM3_CMP_SE<2>", "149", se_in},
                            {12, "QM3_CMP_SE<1>", "144", se_in},
                            {15, "QM3_CMP_Dp<2>", "161", lvds_in_p},
                            {16, "QM3_CMP_Dn<2>", "162", lvds_in_n},
                            {17, "QM3_CMP_Dp<1>", "176", lvds_in_p},
                            {18, "QM3_CMP_Dn<1>", "178", lvds_in_n},
                            {23, "QM3_SCLK_DAC", "171", se_out},
                            {24, "QM3_SDI_DAC", "172", se_out},
                            {26, "QM3_CS_DACn", "132", se_out},
                            {29, "QM3_LED_CMPn<2>", "167", se_out},
                            {30, "QM3_LED_CMPn<1>", "135", se_out},
                            {31, "QM3_LED_NIMn<2>", "128", se_out},
                            {32, "QM3_LED_NIMn<1>", "137", se_out},
                        });
}

// Module 955 puts a signal on every wired position: board 706 wires 3 to 32,
// board 701 3 to 33, the ball-grid boards all 32 positions.
TEST(SlotAssignment, GeneralIoFollowsTheBoardWiring) {
  const std::pair<int, int> counts[] = {{706, 30}, {701, 31}, {709, 32}, {710, 32}, {711, 32}};
  for (const auto& [board, count] : counts) {
    const pinout_qm_type connectors = connector_table(static_cast<std::uint8_t>(board - 700));
    for (int slot = 0; slot < hb_slot_count(static_cast<std::uint16_t>(board)); ++slot) {
      const placement p = place(board, slot, 955);
      EXPECT_EQ(p.messages, "");
      EXPECT_EQ(signal_count(p.record), count) << board << " slot " << slot;
      for (int k = first_position; k < first_position + count; ++k) {
        const pin_type& pin = p.record.pins[k];
        EXPECT_EQ(pin.name.view(), "QM<" + std::to_string(slot) + "><" + std::to_string(k) + ">");
        EXPECT_EQ(pin.loc.view(), connectors[static_cast<std::size_t>(slot)][k].view());
        EXPECT_EQ(pin.dir, se_bidir);
      }
    }
  }
}

TEST(SlotAssignment, BoardsWithoutPosition34DropItsSignal) {
  for (int board : {701, 706}) {
    const placement p = place(board, 0, 707, 1);
    EXPECT_EQ(p.record.pins[34].dir, nc) << board;
    EXPECT_EQ(p.record.pins[32].name.view(), "QM0_LVDS_I<7>") << board;
    EXPECT_EQ(signal_count(p.record), 25) << board;
  }
  const placement p = place(709, 0, 707, 1);
  EXPECT_EQ(p.record.pins[34].name.view(), "QM0_LVDS_I<8>");
  EXPECT_EQ(p.record.pins[34].loc.view(), "G12");
  EXPECT_EQ(p.record.pins[34].dir, se_in);
  EXPECT_EQ(signal_count(p.record), 26);
}

TEST(SlotAssignment, ModificationChoosesTheVariant) {
  const placement first = place(709, 0, 735, 0);
  EXPECT_EQ(first.record.pins[3].name.view(), "QM0_CLKn");
  EXPECT_EQ(first.record.pins[3].loc.view(), "A13");
  EXPECT_EQ(first.record.pins[3].dir, se_out);
  const placement second = place(709, 0, 735, 1);
  EXPECT_EQ(second.record.pins[3].name.view(), "QM0_SCL");
  const placement none = place(709, 0, 735, 2);
  EXPECT_EQ(none.messages, "");
  EXPECT_EQ(none.record.qm_index, 35);
  EXPECT_EQ(none.record.modification, 2);
  EXPECT_EQ(signal_count(none.record), 0);
  // A module with one table ignores the modification.
  const placement plain = place(711, 4, 711, 0);
  const placement modified = place(711, 4, 711, 5);
  EXPECT_EQ(modified.messages, "");
  EXPECT_EQ(signal_count(modified.record), 32);
  for (int k = first_position; k <= last_position; ++k) {
    EXPECT_EQ(modified.record.pins[k].name.view(), plain.record.pins[k].name.view());
    EXPECT_EQ(modified.record.pins[k].loc.view(), plain.record.pins[k].loc.view());
    EXPECT_EQ(modified.record.pins[k].dir, plain.record.pins[k].dir);
  }
}

TEST(SlotAssignment, ATableCoversOnlyItsOwnPositions) {
  expect_pins(place(710, 1, 733).record,
              {{23, "QM1_OPT_IN", "F16", se_in}, {24, "QM1_OPT_OUT", "E16", se_out}});
}

TEST(SlotAssignment, TheSlotNumberNamesTheSignals) {
  const placement slot0 = place(710, 0, 709);
  const placement slot3 = place(710, 3, 709);
  std::vector<expected_pin> expected0;
  std::vector<expected_pin> expected3;
  const std::vector<std::string> locs0 = words("N22 N21 N24 N23 M20 M19 M22 M21");
  const std::vector<std::string> locs3 = words("E4 E3 G2 G1 H4 H3 J5 J4");
  for (std::size_t bit = 0; bit < 8; ++bit) {
    const std::string name = "_TSEN<" + std::to_string(bit) + ">";
    const int k = static_cast<int>(bit) + 3;
    expected0.push_back({k, "QM0" + name, locs0[bit], se_bidir});
    expected3.push_back({k, "QM3" + name, locs3[bit], se_bidir});
  }
  expect_pins(slot0.record, expected0);
  expect_pins(slot3.record, expected3);
}

TEST(SlotAssignment, TheEmptyModuleRemovesEverySignal) {
  placement p = place(710, 2, 722);
  ASSERT_EQ(signal_count(p.record), 20);
  std::ostringstream out;
  set_module(p.record, 954, 0, 2, 10, out);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(p.record.qm_index, 254);
  EXPECT_EQ(signal_count(p.record), 0);
  // The index form of the empty module is taken alike.
  placement q = place(709, 1, 704);
  set_module(q.record, 254, 0, 1, 9, out);
  EXPECT_EQ(q.record.qm_index, 254);
  EXPECT_EQ(signal_count(q.record), 0);
}

TEST(SlotAssignment, ModuleIndexesBelow700AreTaken) {
  const placement p = place(710, 0, 4);
  EXPECT_EQ(p.messages, "");
  EXPECT_EQ(p.record.qm_index, 4);
  EXPECT_EQ(p.record.pins[3].name.view(), "QM0_INTTL<5>");
}

TEST(SlotAssignment, AnUnsupportedNumberKeepsThePreviousModule) {
  for (const auto& [module, message] :
       {std::pair{700, "Incorrect QM nr 700\n"}, std::pair{705, "Incorrect QM nr 705\n"},
        std::pair{956, "Incorrect QM nr 956\n"}, std::pair{741, "Incorrect QM nr 741\n"}}) {
    placement p = place(710, 2, 722);
    std::ostringstream out;
    set_module(p.record, static_cast<std::uint16_t>(module), 3, 2, 10, out);
    EXPECT_EQ(out.str(), message);
    EXPECT_EQ(p.record.qm_index, 22) << module;
    EXPECT_EQ(p.record.modification, 3) << module;
    EXPECT_EQ(signal_count(p.record), 20) << module;
  }
  // A rejected number on a two-variant module re-assigns it under the new
  // modification.
  placement p = place(709, 0, 735, 0);
  std::ostringstream out;
  set_module(p.record, 705, 1, 0, 9, out);
  EXPECT_EQ(out.str(), "Incorrect QM nr 705\n");
  EXPECT_EQ(p.record.pins[3].name.view(), "QM0_SCL");
}

TEST(SlotAssignment, ARecordOnAnUnacceptedBoardCarriesNothing) {
  for (int index : {255, 0, 2, 12}) {
    placement p = place(710, 2, 722);
    p.record.hb_index = static_cast<std::uint8_t>(index);
    std::ostringstream out;
    assign_signals(p.record, out);
    EXPECT_EQ(out.str(), "Incorrect HB nr" + std::to_string(index) + "\n");
    EXPECT_EQ(signal_count(p.record), 0);
  }
}

TEST(SlotAssignment, ARecordWithAnUnsupportedIndexCarriesNothing) {
  placement p = place(710, 2, 722);
  p.record.qm_index = 5;
  std::ostringstream out;
  assign_signals(p.record, out);
  EXPECT_EQ(out.str(), "Incorrect QM nr5 on slot 2\n");
  EXPECT_EQ(signal_count(p.record), 0);
}

TEST(SlotAssignment, BothMessagesComeModuleFirst) {
  const placement p = place(955, 1, 705);  // board index 255
  EXPECT_EQ(p.messages, "Incorrect QM nr 705\nIncorrect HB nr255\n");
  EXPECT_EQ(p.record.hb_index, 255);
  EXPECT_EQ(signal_count(p.record), 0);
}

TEST(SlotAssignment, ASlotBeyondTheBoardReadsNothing) {
  // Board 710 has four slots; a record claiming slot 5 gets no signals.
  const placement p = place(710, 5, 955);
  EXPECT_EQ(p.messages, "");
  EXPECT_EQ(signal_count(p.record), 0);
}

// Every supported module on every slot of every board: each signal sits on a
// wired position with the board's location, carries the slot's name prefix
// and the module row's direction, and nothing else is assigned.
TEST(SlotAssignment, SweepOverBoardsSlotsAndModules) {
  for (int board : {701, 706, 709, 710, 711}) {
    const pinout_qm_type connectors = connector_table(static_cast<std::uint8_t>(board - 700));
    for (int slot = 0; slot < static_cast<int>(connectors.size()); ++slot) {
      const qm_array_type& wiring = connectors[static_cast<std::size_t>(slot)];
      for (int index = 0; index <= 255; ++index) {
        if (!is_supported_module(static_cast<std::uint16_t>(index)) || index == 255) continue;
        for (int modification = 0; modification <= 2; ++modification) {
          const placement p =
              place(board, slot, index, modification);  // by index: 700 is no module number
          ASSERT_EQ(p.messages, "");
          const std::optional<module_pin_table> table = lookup_module_table(
              static_cast<std::uint8_t>(index), static_cast<std::uint8_t>(modification));
          position_array<const qm_pin_row_type*> row_at;
          if (table) {
            int k = table->first_position;
            for (const qm_pin_row_type& row : table->rows) row_at[k++] = &row;
          }
          const std::string prefix = "QM" + std::to_string(slot) + "_";
          for (int k = first_position; k <= last_position; ++k) {
            const pin_type& pin = p.record.pins[k];
            const qm_pin_row_type* row = row_at[k];
            const bool carries = row != nullptr && row->dir != nc && wiring[k].view() != "0";
            ASSERT_EQ(pin.dir != nc, carries) << board << " " << slot << " " << index << " " << k;
            if (!carries) continue;
            EXPECT_EQ(pin.name.view(), prefix + std::string(row->name.view()));
            EXPECT_EQ(pin.loc.view(), wiring[k].view());
            EXPECT_EQ(pin.dir, row->dir);
          }
        }
      }
    }
  }
}

TEST(IntToText, WritesPlainDecimals) {
  EXPECT_EQ(int_to_text(0), "0");
  EXPECT_EQ(int_to_text(7), "7");
  EXPECT_EQ(int_to_text(34), "34");
  EXPECT_EQ(int_to_text(-1), "-1");
  EXPECT_EQ(int_to_text(32767), "32767");
  EXPECT_EQ(int_to_text(-32768), "-32768");
}

}  // namespace
}  // namespace hbpins
