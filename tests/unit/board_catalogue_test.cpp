// The board tables are long transcriptions of the boards' wiring lists. These
// tests hold them against what the boards' descriptions say in other words
// (counts, signal names and directions as named groups, board 706's pins as
// board 701's) and against the wiring rules every board obeys.

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

const board_entry& board(int number) {
  const board_entry* entry = find_board(static_cast<std::uint8_t>(number - 700));
  if (entry == nullptr) throw std::logic_error("board not in the catalogue");
  return *entry;
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

void expect_signals(int number, const signal_list& expected) {
  const std::vector<pin_type> actual = all_signals(board(number));
  ASSERT_EQ(actual.size(), expected.size()) << number;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].name.view(), expected[i].name) << number << " row " << i;
    EXPECT_EQ(actual[i].dir, expected[i].dir) << number << " row " << i;
    if (!expected[i].loc.empty()) {
      EXPECT_EQ(actual[i].loc.view(), expected[i].loc) << number << " row " << i;
    }
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
