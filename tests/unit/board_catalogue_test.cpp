// The board tables are long transcriptions of the boards' wiring lists. These
// tests hold them against a second, independent writing of the same lists
// (connector rows as the wiring lists print them, board signals as named
// groups), and against the wiring rules every board obeys.

#include "catalogue/board_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "direction_printing.h"

namespace hbpins {
namespace {

constexpr std::uint8_t board_indexes[] = {1, 6, 9, 10, 11};

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

// Connector rows, positions 3 to 34 from left to right.
struct board_wiring {
  int board;
  std::vector<std::string> slots;
};

const board_wiring wirings[] = {
    {701,
     {
         "94 95 111 113 114 115 116 117 119 120 100 101 106 107 130 131 122 123 138 139 124 125 79 "
         "102 85 133 93 126 109 108 96 0",
         "190 191 194 196 198 199 10 11 12 13 2 3 203 204 26 27 185 187 15 16 7 9 183 205 189 197 "
         "29 22 5 4 200 0",
         "46 48 44 45 42 43 39 40 36 37 51 52 61 62 64 65 34 35 18 19 20 21 76 28 78 71 63 24 31 "
         "33 50 0",
         "168 169 150 152 148 149 146 147 143 144 155 156 161 162 176 178 140 141 165 166 171 172 "
         "180 132 175 182 167 135 128 137 154 0",
     }},
    {706,
     {
         "94 95 111 113 114 115 116 117 119 120 100 101 106 107 130 131 122 123 138 139 124 125 79 "
         "102 85 133 93 126 109 108 0 0",
         "168 169 150 152 148 149 146 147 143 144 155 156 161 162 176 178 140 141 165 166 171 172 "
         "180 132 175 182 167 135 128 137 0 0",
         "190 191 194 196 198 199 10 11 12 13 2 3 203 204 26 27 185 187 15 16 7 9 183 205 189 197 "
         "29 22 5 4 0 0",
         "46 48 44 45 42 43 39 40 36 37 51 52 61 62 64 65 34 35 18 19 20 21 76 28 78 71 63 24 31 "
         "33 0 0",
     }},
    {709,
     {
         "A13 B13 A12 B12 C13 D13 E12 F12 D11 E11 C10 D10 A8 B8 D7 E7 B6 C6 A4 B4 B5 C5 A7 B7 D6 "
         "E6 D5 E5 F13 G13 H13 G12",
         "D2 D1 E4 E3 F6 F5 G2 G1 H4 H3 H2 H1 J5 J4 J3 J2 K4 K3 K2 K1 L6 L5 M5 M6 L4 M3 M2 M1 N4 "
         "N3 N2 N1",
         "P1 P2 P3 P4 R1 R2 R3 T4 T1 T2 T5 T6 U1 U2 U3 U4 U5 U6 V2 V3 V4 V5 W1 W2 W3 W4 AB3 AB4 "
         "AC1 AC2 AD1 AD2",
         "AD13 AE13 W13 Y13 AE12 AF12 AA11 AB11 W11 Y11 AB10 AC10 Y10 AA10 AE8 AF8 AE7 AF7 AE6 AF6 "
         "AD5 AE5 AD4 AE4 AC6 AD6 AB7 AC7 AA6 AB6 Y9 AA9",
         "W20 W21 W22 W23 W24 W25 Y17 Y18 Y19 Y20 Y21 Y22 Y23 AA15 AA16 AA17 AA18 AA19 AA20 AA21 "
         "AA22 AA23 AA24 AA25 AA26 AB16 AB17 AB18 AB19 AB20 AB21 AB22",
         "L19 L20 L21 L22 M19 M20 M21 M22 N19 N20 N21 N22 P19 P20 P21 P22 R19 R20 R21 R22 T19 T20 "
         "T21 T22 U20 U21 U22 U23 V20 V21 V22 V23",
         "C18 C19 C21 C22 C23 C25 D8 D9 D14 D16 D17 D18 D19 D20 D21 D22 D25 D26 E1 E2 E8 E9 E10 "
         "E13 E14 E15 E16 E17 E18 E19 E20 E21",
         "A3 A5 A6 A10 A11 A14 A15 A16 A21 A22 A23 B3 B9 B10 B11 B14 B15 B16 B17 B18 B19 B20 B21 "
         "B22 B23 C4 C8 C9 C12 C14 C15 C17",
     }},
    {710,
     {
         "N22 N21 N24 N23 M20 M19 M22 M21 L20 L19 L22 L21 M24 L23 L26 L25 K24 K23 K26 K25 K20 J20 "
         "J23 J22 J25 J24 H26 H25 E24 E23 D26 C14",
         "C23 B23 F21 E21 D21 C21 B21 A21 E20 D20 B19 A19 G18 F18 G17 F17 E17 D17 H16 G16 F16 E16 "
         "H15 G15 F15 E15 B15 A15 H14 G14 A14 B14",
         "F13 G13 H13 G12 E12 F12 A12 B12 F11 G11 D11 E11 E10 F10 C10 D10 F9 G9 A8 B8 D7 E7 A7 B7 "
         "D6 E6 B6 C6 B5 C5 A3 A13",
         "E4 E3 G2 G1 H4 H3 J5 J4 J3 J2 K6 K5 K4 K3 K2 K1 L6 L5 L2 L1 M5 M6 L4 M3 M2 M1 N6 N5 N4 "
         "N3 N2 B13",
     }},
    {711,
     {
         "AF4 AD4 AD5 AC5 AF5 AE5 AF6 AD6 AF13 AE13 K1 K3 J5 K5 K6 K7 K8 K9 L1 L2 J9 J7 K10 L10 L6 "
         "L7 L3 L4 M6 M8 L8 L9",
         "AB9 AA9 W9 W10 V10 V11 AB11 AA10 AF14 AD14 U1 U2 U3 U4 Y1 Y3 V1 V3 AA1 AA2 U8 U9 T6 U7 "
         "W1 W2 W3 V4 W5 V5 Y5 Y6",
         "V16 U15 Y16 W16 AA17 Y17 W18 W17 AF15 AE15 AE26 AE25 AC26 AC25 AA25 AA26 U22 U21 U26 U25 "
         "T20 T19 T26 T24 R21 R20 R24 R23 P19 P17 P22 P21",
         "G17 H17 F19 G19 F17 G16 E20 F20 N20 N19 L24 L23 N18 N17 J17 J16 F15 G15 D13 E13 A13 C13 "
         "A12 B12 A14 B14 E18 F18 E14 F14 H14 K14",
         "AC6 AB7 AA6 AA7 W7 W8 AA8 Y9 T9 R10 T4 U5 T1 T3 T8 R8 R7 R6 R1 R2 R3 R4 P8 R9 N7 N8 R5 "
         "P5 P6 N6 P1 P3",
         "AB15 AA15 Y13 W14 AA12 Y12 AA11 Y11 N9 P10 M9 M10 V6 V7 AC4 AB5 AE1 AE2 AC1 AC2 AD1 AD3 "
         "AC3 AB4 AB1 AB3 AA3 AA4 G10 H10 J12 K12",
         "AC22 AB22 AB21 AA21 AB17 AA18 AB19 AA19 H13 J13 R19 R18 T23 T22 U24 U23 U20 U19 W26 W25 "
         "Y26 Y24 V26 V24 V21 V20 AA24 AA23 AB26 AB24 AD26 AD24",
         "A23 B23 A22 B22 B21 C21 D22 D21 Y15 AA16 Y20 W20 AA22 Y21 W12 V12 AA13 AB13 V13 U13 V15 "
         "V14 E12 F12 H19 H18 N22 N21 N24 N23 P26 P24",
     }},
};

const board_entry& board(int number) {
  const board_entry* entry = find_board(static_cast<std::uint8_t>(number - 700));
  if (entry == nullptr) throw std::logic_error("board not in the catalogue");
  return *entry;
}

std::vector<std::string> connector_row(const qm_array_type& row) {
  std::vector<std::string> result;
  for (int p = first_position; p <= last_position; ++p) result.emplace_back(row[p].view());
  return result;
}

std::vector<pin_type> all_signals(const board_entry& entry) {
  std::vector<pin_type> result;
  for (std::span<const pin_type> table : entry.signal_tables)
    result.insert(result.end(), table.begin(), table.end());
  return result;
}

std::set<std::string> connector_locations(const board_entry& entry) {
  std::set<std::string> result;
  for (const qm_array_type& row : entry.connectors)
    for (int p = first_position; p <= last_position; ++p)
      if (row[p].view() != "0") result.emplace(row[p].view());
  return result;
}

TEST(BoardCatalogue, HoldsExactlyTheFiveBoards) {
  for (int index = 0; index <= 255; ++index) {
    const board_entry* entry = find_board(static_cast<std::uint8_t>(index));
    const bool known = index == 1 || index == 6 || index == 9 || index == 10 || index == 11;
    EXPECT_EQ(entry != nullptr, known) << index;
    if (!known) {
      EXPECT_EQ(loc_prefix(static_cast<std::uint8_t>(index)), "") << index;
      EXPECT_TRUE(connector_table(static_cast<std::uint8_t>(index)).empty()) << index;
    }
  }
  const std::map<int, std::pair<int, std::string_view>> facts = {
      {1, {4, "P"}}, {6, {4, "P"}}, {9, {8, ""}}, {10, {4, ""}}, {11, {8, ""}}};
  for (const auto& [index, fact] : facts) {
    const auto i = static_cast<std::uint8_t>(index);
    EXPECT_EQ(find_board(i)->index, index);
    EXPECT_EQ(hb_slot_count(i), fact.first) << index;
    EXPECT_EQ(hb_slot_count(static_cast<std::uint16_t>(index + 700)), fact.first) << index;
    EXPECT_EQ(connector_table(i).size(), static_cast<std::size_t>(fact.first)) << index;
    EXPECT_EQ(loc_prefix(i), fact.second) << index;
  }
}

TEST(BoardCatalogue, SlotCountTakesNumbersAndIndexes) {
  EXPECT_EQ(hb_slot_count(700), 0);
  EXPECT_EQ(hb_slot_count(0), 0);
  EXPECT_EQ(hb_slot_count(255), 0);
  EXPECT_EQ(hb_slot_count(711), 8);
  EXPECT_EQ(hb_slot_count(11), 8);
  EXPECT_EQ(hb_slot_count(709), 8);
  EXPECT_EQ(hb_slot_count(710), 4);
  EXPECT_EQ(hb_slot_count(702), 0);
  EXPECT_EQ(hb_slot_count(955), 0);
  EXPECT_EQ(hb_slot_count(956), 0);  // index 256
  EXPECT_EQ(hb_slot_count(65535), 0);
}

TEST(BoardCatalogue, ConnectorTablesMatchTheWiringLists) {
  for (const board_wiring& wiring : wirings) {
    const pinout_qm_type table = board(wiring.board).connectors;
    ASSERT_EQ(table.size(), wiring.slots.size()) << wiring.board;
    for (std::size_t s = 0; s < table.size(); ++s)
      EXPECT_EQ(connector_row(table[s]), words(wiring.slots[s]))
          << "board " << wiring.board << " slot " << s;
  }
}

TEST(BoardCatalogue, NoLocationIsWiredTwice) {
  for (std::uint8_t index : board_indexes) {
    const board_entry& entry = *find_board(index);
    std::multiset<std::string> seen;
    for (const qm_array_type& row : entry.connectors)
      for (int p = first_position; p <= last_position; ++p)
        if (row[p].view() != "0") seen.emplace(row[p].view());
    for (const std::string& location : seen)
      EXPECT_EQ(seen.count(location), 1u) << "board " << 700 + index << " location " << location;
  }
}

TEST(BoardCatalogue, BoardSignalsSitOnPinsNoSlotUses) {
  for (std::uint8_t index : board_indexes) {
    const board_entry& entry = *find_board(index);
    const std::set<std::string> wired = connector_locations(entry);
    for (const pin_type& signal : all_signals(entry))
      EXPECT_FALSE(wired.contains(std::string(signal.loc.view())))
          << "board " << 700 + index << " signal " << signal.name.view();
  }
}

TEST(BoardCatalogue, Board706UsesTheSlotsOf701InAnotherOrder) {
  const pinout_qm_type hb701 = board(701).connectors;
  const pinout_qm_type hb706 = board(706).connectors;
  const int slot_of_701[] = {0, 3, 1, 2};
  for (int s = 0; s < 4; ++s) {
    for (int p = first_position; p <= 32; ++p)
      EXPECT_EQ(hb706[s][p].view(), hb701[slot_of_701[s]][p].view()) << s << " " << p;
    EXPECT_EQ(hb706[s][33].view(), "0") << s;
    EXPECT_EQ(hb706[s][34].view(), "0") << s;
  }
  // The pins that board 701 wires to position 33 carry board signals on 706.
  const std::map<std::string, std::string> on_706 = {
      {"96", "FXAddr<0>"}, {"200", "FXPEnd_n"}, {"50", "FXSLOE_n"}, {"154", "FXAddr<1>"}};
  for (const qm_array_type& row : hb701) {
    const std::string pin(row[33].view());
    ASSERT_TRUE(on_706.contains(pin)) << pin;
    const std::vector<pin_type> signals = all_signals(board(706));
    const auto found = std::find_if(signals.begin(), signals.end(),
                                    [&](const pin_type& s) { return s.loc.view() == pin; });
    ASSERT_NE(found, signals.end()) << pin;
    EXPECT_EQ(found->name.view(), on_706.at(pin));
  }
}

TEST(BoardCatalogue, Position34IsWiredOnlyOnTheBallGridBoards) {
  for (std::uint8_t index : board_indexes) {
    const bool wired = index == 9 || index == 10 || index == 11;
    for (const qm_array_type& row : find_board(index)->connectors) {
      EXPECT_EQ(row[34].view() != "0", wired) << 700 + index;
      for (int p = first_position; p <= 32; ++p) EXPECT_NE(row[p].view(), "0") << 700 + index;
    }
  }
  for (const qm_array_type& row : board(701).connectors) EXPECT_NE(row[33].view(), "0");
}

// Package pins are one to three digits, ball names one or two row letters and
// a column number.
bool is_location_of(std::string_view prefix, std::string_view location) {
  auto digits = [](std::string_view text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (prefix == "P") return digits(location) && location != "0";
  std::size_t letters = 0;
  while (letters < location.size() && location[letters] >= 'A' && location[letters] <= 'Z')
    ++letters;
  return letters >= 1 && letters <= 2 && digits(location.substr(letters)) && location.size() <= 4;
}

TEST(BoardCatalogue, LocationsHaveTheFormOfTheirBoard) {
  for (std::uint8_t index : board_indexes) {
    const board_entry& entry = *find_board(index);
    for (const std::string& location : connector_locations(entry))
      EXPECT_TRUE(is_location_of(entry.loc_prefix, location)) << 700 + index << " " << location;
    for (const pin_type& signal : all_signals(entry))
      EXPECT_TRUE(is_location_of(entry.loc_prefix, signal.loc.view()))
          << 700 + index << " " << signal.name.view();
  }
}

TEST(BoardCatalogue, BoardSignalRowCounts) {
  const std::map<int, std::vector<std::size_t>> counts = {
      {701, {15}}, {706, {20}}, {709, {20}}, {710, {92}}, {711, {48, 13, 13, 4, 4}}};
  for (const auto& [number, tables] : counts) {
    const board_entry& entry = board(number);
    ASSERT_EQ(entry.signal_tables.size(), tables.size()) << number;
    for (std::size_t t = 0; t < tables.size(); ++t)
      EXPECT_EQ(entry.signal_tables[t].size(), tables[t]) << number << " table " << t + 1;
  }
  EXPECT_EQ(all_signals(board(711)).size(), 82u);
}

// --- The board signals, written as the boards describe them. ---

struct expected_signal {
  std::string name;
  direction dir;
  std::string loc;
};

using signal_list = std::vector<expected_signal>;

void add(signal_list& list, std::initializer_list<const char*> names, direction dir) {
  for (const char* name : names) list.push_back({name, dir, ""});
}

// prefix<from> to prefix<to>, upwards or downwards.
void add_range(signal_list& list, const std::string& prefix, int from, int to, direction dir) {
  const int step = from <= to ? 1 : -1;
  for (int i = from;; i += step) {
    list.push_back({prefix + "<" + std::to_string(i) + ">", dir, ""});
    if (i == to) break;
  }
}

void set_locations(signal_list& list, const std::string& locations) {
  const std::vector<std::string> locs = words(locations);
  ASSERT_EQ(locs.size(), list.size());
  for (std::size_t i = 0; i < list.size(); ++i) list[i].loc = locs[i];
}

void expect_signals(int number, const signal_list& expected) {
  const std::vector<pin_type> actual = all_signals(board(number));
  ASSERT_EQ(actual.size(), expected.size()) << number;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].name.view(), expected[i].name) << number << " row " << i;
    EXPECT_EQ(actual[i].dir, expected[i].dir) << number << " row " << i;
    EXPECT_EQ(actual[i].loc.view(), expected[i].loc) << number << " row " << i;
  }
}

using enum direction;

signal_list hb701() {
  signal_list list = {{"CLK", se_in, "181"}, {"LED_Back", se_out, "184"}, {"RD_n", se_out, "81"},
                      {"WR", se_out, "83"},  {"RES_n", se_in_up, "80"},   {"RXF_n", se_in, "58"},
                      {"TXE_n", se_in, "57"}};
  const std::vector<std::string> ud = words("92 90 87 86 74 72 68 67");
  for (int i = 0; i < 8; ++i) list.push_back({"UD<" + std::to_string(i) + ">", se_bidir, ud[i]});
  return list;
}

// Boards 706 and 709 share their names; 709 drives FXClk.
signal_list fx_board(direction fx_clk) {
  signal_list list;
  add(list, {"CLK"}, se_in);
  add(list, {"LED_Back"}, se_out);
  add(list, {"RES_n"}, se_in_up);
  add(list, {"FXRD_n", "FXWR_n"}, se_out);
  add(list, {"FXEmpty", "FXFull"}, se_in);
  add(list, {"FXClk"}, fx_clk);
  add(list, {"FXAddr<0>", "FXAddr<1>", "FXSLOE_n", "FXPEnd_n"}, se_out);
  add_range(list, "FXData", 0, 7, se_bidir);
  return list;
}

signal_list hb706() {
  signal_list list = fx_board(se_in);
  std::map<std::string, std::string> loc_of;
  for (const expected_signal& s : hb701()) loc_of[s.name] = s.loc;
  const std::map<std::string, std::string> same_pin_as = {
      {"CLK", "CLK"},   {"LED_Back", "LED_Back"}, {"RES_n", "RES_n"}, {"FXRD_n", "RD_n"},
      {"FXWR_n", "WR"}, {"FXEmpty", "RXF_n"},     {"FXFull", "TXE_n"}};
  const std::map<std::string, std::string> own_pin = {{"FXClk", "77"},
                                                      {"FXAddr<0>", "96"},
                                                      {"FXAddr<1>", "154"},
                                                      {"FXSLOE_n", "50"},
                                                      {"FXPEnd_n", "200"}};
  for (expected_signal& s : list) {
    if (same_pin_as.contains(s.name))
      s.loc = loc_of.at(same_pin_as.at(s.name));
    else if (own_pin.contains(s.name))
      s.loc = own_pin.at(s.name);
    else  // FXData<i> is on UD<i>
      s.loc = loc_of.at("UD" + s.name.substr(6));
  }
  return list;
}

signal_list hb709() {
  signal_list list = fx_board(se_out);
  set_locations(
      list,
      "AF14 K26 G26 W26 AC14 M26 L26 R26 Y26 AC25 Y25 AC26 Y15 W14 Y14 AA14 AC13 AB13 AB12 AA12");
  return list;
}

signal_list hb710() {
  signal_list list;
  add(list,
      {"HB710_I_CLK100", "HB710_I_SYSRESET", "HB710_I_NDS0", "HB710_I_NDS1", "HB710_I_NAS",
       "HB710_I_NWRITE", "HB710_I_NLWORD"},
      se_in);
  add_range(list, "HB710_I_AM", 0, 5, se_in);
  add_range(list, "HB710_I_STD_ADR", 23, 19, se_in);
  add_range(list, "HB710_I_IADR", 18, 1, se_in);
  add(list, {"HB710_O_NDTACK"}, se_out);
  add_range(list, "HB710_IO_IDAT", 0, 31, se_bidir);
  for (int i = 1; i <= 7; ++i) list.push_back({"HB710_O_NIRQ" + std::to_string(i), se_out, ""});
  add(list, {"HB710_I_NIACKIN"}, se_in);
  add(list, {"HB710_O_NIACKOUT", "HB710_O_NEN_BUFF", "HB710_O_NDAT2VME"}, se_out);
  add_range(list, "HB710_I_SWI_ADR", 0, 7, se_in_up);
  add(list, {"HB710_O_LED_PWR", "HB710_O_LED_SEL", "HB710_O_LED_INT", "HB710_O_LED_MOD"}, se_out);
  set_locations(list,
                "AF14 AE23 AB23 AF23 AF19 AE22 AF22 AD21 AB21 AE20 AC17 AD15 AF21 AE21 AC21 AF20 "
                "AB20 AE19 AB17 AB16 AE15 AF8 AC7 AF6 AD6 AB6 AD5 AE4 AC1 AE8 AB7 AE6 AC6 AE5 AF4 "
                "AD4 AB15 U26 U24 V25 V23 W26 W24 Y26 AC26 U25 U23 V24 V22 W25 W22 Y25 AE24 AB3 "
                "AB4 W1 W2 U1 T5 T4 T2 T1 R5 R3 R1 P5 P4 P3 P2 AB10 AC10 AD10 AB11 AC11 AD12 AF12 "
                "AF15 AB9 AF24 AD23 T22 R26 R24 R22 P25 P24 P23 P22 T23 T25 T26 U22");
  return list;
}

void add_sfp(signal_list& list, const std::string& sfp, const std::string& clock) {
  list.push_back({sfp + "_DETECT", se_in, ""});
  list.push_back({sfp + "_I2C_SCL", se_out, ""});
  list.push_back({sfp + "_I2C_SDA", se_bidir, ""});
  list.push_back({sfp + "_LOS", se_in, ""});
  list.push_back({sfp + "_RATE_SEL", se_out, ""});
  list.push_back({sfp + "_TX_DISABLE", se_out, ""});
  list.push_back({sfp + "_TX_FAULT", se_in, ""});
  list.push_back({clock + "_n", lvds_in_n, ""});
  list.push_back({clock + "_p", lvds_in_p, ""});
}

void add_mgt(signal_list& list, const std::string& mgt) {
  list.push_back({mgt + "_RX_n", lvds_in_n, ""});
  list.push_back({mgt + "_RX_p", lvds_in_p, ""});
  list.push_back({mgt + "_TX_n", lvds_out_n, ""});
  list.push_back({mgt + "_TX_p", lvds_out_p, ""});
}

signal_list hb711() {
  signal_list list;
  add(list, {"OSC1_CLK", "OSC2_CLK", "SW1_FRONT", "SW2_BACK"}, se_in);
  add(list, {"LED_FP_D_n", "LED_FP_U_n", "LED_BRD_R_n", "LED_BRD_L_n"}, se_out);
  for (int n = 1; n <= 4; ++n) {
    list.push_back({"LVDS_p<" + std::to_string(n) + ">", lvds_in_p, ""});
    list.push_back({"LVDS_n<" + std::to_string(n) + ">", lvds_in_n, ""});
  }
  add(list, {"SDCARD_CD", "SDCARD_CLK", "SDCARD_CMD"}, se_out);
  add_range(list, "SDCARD_DA", 0, 3, se_bidir);
  add(list, {"SDCARD_WP"}, se_in);
  add_range(list, "ACBUS_", 0, 7, se_bidir);
  add_range(list, "ADBUS_", 0, 7, se_bidir);
  add_range(list, "BCBUS_", 0, 6, se_bidir);
  add(list, {"USB_RSTP"}, se_bidir);
  add_sfp(list, "SFP1", "MGTCLK_01");
  add_mgt(list, "MGT_0");
  add_sfp(list, "SFP2", "MGTCLK_23");
  add_mgt(list, "MGT_2");
  add_mgt(list, "MGT_1");
  add_mgt(list, "MGT_3");
  set_locations(list,
                "W24 AC14 V23 E16 AF22 AB14 R26 R25 H9 G9 B5 A5 F7 F6 B4 A4 N4 N3 F3 N2 M3 M1 M4 "
                "N5 B1 C2 C1 D1 E2 E1 C5 C3 G1 F5 G6 H8 G8 D5 B2 H1 B3 G7 E6 E5 A3 A2 A2 F1 J11 "
                "G11 E8 G13 J15 H15 H12 A10 B10 C7 D7 A6 B6 H5 F16 F9 D3 E4 E10 F10 C15 D15 C17 "
                "D17 A18 B18 C9 D9 A8 B8 C19 D19 A20 B20");
  return list;
}

TEST(BoardCatalogue, BoardSignalsMatchTheirDescriptions) {
  expect_signals(701, hb701());
  expect_signals(706, hb706());
  expect_signals(709, hb709());
  expect_signals(710, hb710());
  expect_signals(711, hb711());
}

TEST(BoardCatalogue, TheFirstBoardSignalIsTheClockNet) {
  const std::map<int, std::string> clocks = {
      {701, "CLK"}, {706, "CLK"}, {709, "CLK"}, {710, "HB710_I_CLK100"}, {711, "OSC1_CLK"}};
  for (const auto& [number, clock] : clocks)
    EXPECT_EQ(all_signals(board(number)).front().name.view(), clock) << number;
  EXPECT_EQ(all_signals(board(709)).front().loc.view(), "AF14");
  EXPECT_EQ(all_signals(board(710)).front().loc.view(), "AF14");
}

TEST(BoardCatalogue, Board711AppendsItsTablesInOrder) {
  const std::vector<pin_type> signals = all_signals(board(711));
  EXPECT_EQ(signals[48].name.view(), "SFP1_DETECT");
  EXPECT_EQ(signals[61].name.view(), "SFP2_DETECT");
  EXPECT_EQ(signals[74].name.view(), "MGT_1_RX_n");
  EXPECT_EQ(signals[81].name.view(), "MGT_3_TX_p");
}

// Within one board every signal has a pin of its own, except that board 711
// documents BCBUS_<5> and BCBUS_<6> on the same ball A2.
TEST(BoardCatalogue, BoardSignalNamesAndPinsAreDistinct) {
  for (std::uint8_t index : board_indexes) {
    std::map<std::string, std::vector<std::string>> names_on;
    std::set<std::string> names;
    for (const pin_type& signal : all_signals(*find_board(index))) {
      names_on[std::string(signal.loc.view())].emplace_back(signal.name.view());
      EXPECT_TRUE(names.emplace(signal.name.view()).second) << signal.name.view();
    }
    for (const auto& [loc, on_pin] : names_on) {
      if (index == 11 && loc == "A2")
        EXPECT_EQ(on_pin, (std::vector<std::string>{"BCBUS_<5>", "BCBUS_<6>"}));
      else
        EXPECT_EQ(on_pin.size(), 1u) << 700 + index << " " << loc;
    }
  }
}

}  // namespace
}  // namespace hbpins
