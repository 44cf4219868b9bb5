#include "assembly/board_configuration.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "direction_printing.h"

namespace hbpins {
namespace {

using enum direction;

int signal_count(const qm_module_type& slot) {
  int count = 0;
  for (const pin_type& pin : slot.pins.entries) count += pin.dir != nc;
  return count;
}

int active_board_signals(const hb_module_type& config) {
  int count = 0;
  for (const pin_type& signal : config.board_signals) count += signal.dir != nc;
  return count;
}

std::string select(hb_module_type& config, int number) {
  std::ostringstream out;
  select_board(config, static_cast<std::uint16_t>(number), out);
  return out.str();
}

std::string place(hb_module_type& config, int slot, int module, int modification = 0) {
  std::ostringstream out;
  place_module(config, static_cast<std::uint16_t>(slot), static_cast<std::uint16_t>(module),
               static_cast<std::uint16_t>(modification), out);
  return out.str();
}

bool same_slot(const qm_module_type& a, const qm_module_type& b) {
  if (a.hb_index != b.hb_index || a.qm_index != b.qm_index || a.modification != b.modification ||
      a.slot != b.slot)
    return false;
  for (int k = first_position; k <= last_position; ++k)
    if (a.pins[k].name.view() != b.pins[k].name.view() ||
        a.pins[k].loc.view() != b.pins[k].loc.view() || a.pins[k].dir != b.pins[k].dir)
      return false;
  return true;
}

TEST(BoardConfiguration, StartsUnconfigured) {
  const hb_module_type config;
  EXPECT_EQ(slot_count(config), 0);
  EXPECT_EQ(board_number(config), 700);
  EXPECT_EQ(active_board_signals(config), 0);
}

TEST(BoardConfiguration, SelectingABoardEmptiesEverySlot) {
  hb_module_type config;
  EXPECT_EQ(select(config, 709), "");
  EXPECT_EQ(config.hb_index, 9);
  EXPECT_EQ(slot_count(config), 8);
  EXPECT_EQ(board_number(config), 709);
  for (int s = 0; s < 8; ++s) {
    const qm_module_type& slot = config.slots[static_cast<std::size_t>(s)];
    EXPECT_EQ(slot.qm_index, 254) << s;
    EXPECT_EQ(module_number(slot), 954) << s;
    EXPECT_EQ(slot.modification, 0) << s;
    EXPECT_EQ(slot.slot, s);
    EXPECT_EQ(slot.hb_index, 9) << s;
    EXPECT_EQ(signal_count(slot), 0) << s;
  }
  EXPECT_EQ(config.board_signal_count, 20);
  EXPECT_EQ(active_board_signals(config), 20);
  EXPECT_EQ(config.board_signals[0].name.view(), "CLK");
  EXPECT_EQ(config.board_signals[0].loc.view(), "AF14");
}

TEST(BoardConfiguration, AcceptsNumbersAndIndexes) {
  const std::pair<int, int> boards[] = {{701, 4}, {706, 4}, {709, 8}, {710, 4}, {711, 8},
                                        {1, 4},   {6, 4},   {9, 8},   {10, 4},  {11, 8}};
  for (const auto& [number, slots] : boards) {
    hb_module_type config;
    EXPECT_EQ(select(config, number), "") << number;
    EXPECT_EQ(slot_count(config), slots) << number;
    EXPECT_EQ(board_number(config), number > 700 ? number : number + 700);
  }
}

// 700 stays 700: only numbers above it are board numbers.
TEST(BoardConfiguration, RejectsNumbersTheCatalogueDoesNotKnow) {
  for (int number : {700, 702, 705, 719, 0, 2, 955, 956, 966, 65535}) {
    hb_module_type config;
    select(config, 710);
    EXPECT_EQ(select(config, number), "Incorrect HB nr " + std::to_string(number) + "\n");
    EXPECT_EQ(config.hb_index, 255) << number;
    EXPECT_EQ(slot_count(config), 0) << number;
    EXPECT_EQ(board_number(config), 955) << number;
    EXPECT_EQ(config.board_signal_count, 0) << number;
    EXPECT_EQ(active_board_signals(config), 0) << number;
  }
}

TEST(BoardConfiguration, BoardSignalsAreLoadedInTableOrder) {
  const std::pair<int, int> counts[] = {{701, 15}, {706, 20}, {709, 20}, {710, 92}, {711, 82}};
  for (const auto& [number, count] : counts) {
    hb_module_type config;
    select(config, number);
    EXPECT_EQ(config.board_signal_count, count) << number;
    EXPECT_EQ(active_board_signals(config), count) << number;
  }
  hb_module_type config;
  select(config, 711);
  EXPECT_EQ(config.board_signals[0].name.view(), "OSC1_CLK");
  EXPECT_EQ(config.board_signals[48].name.view(), "SFP1_DETECT");
  EXPECT_EQ(config.board_signals[61].name.view(), "SFP2_DETECT");
  EXPECT_EQ(config.board_signals[74].name.view(), "MGT_1_RX_n");
  EXPECT_EQ(config.board_signals[81].name.view(), "MGT_3_TX_p");
  EXPECT_EQ(config.board_signals[81].loc.view(), "B20");
  EXPECT_EQ(config.board_signals[81].dir, lvds_out_p);
}

TEST(BoardConfiguration, ReloadingLeavesOnlyTheNewBoardsSignals) {
  hb_module_type config;
  select(config, 710);
  select(config, 701);
  EXPECT_EQ(config.board_signal_count, 15);
  EXPECT_EQ(config.board_signals[14].name.view(), "UD<7>");
  for (std::size_t i = 15; i < config.board_signals.size(); ++i)
    EXPECT_EQ(config.board_signals[i].dir, nc) << i;
}

TEST(BoardConfiguration, PlacingReplacesTheModuleOfOneSlot) {
  hb_module_type config;
  select(config, 701);
  EXPECT_EQ(place(config, 1, 722), "");
  EXPECT_EQ(place(config, 2, 953), "");
  EXPECT_EQ(module_number(config.slots[1]), 722);
  EXPECT_EQ(signal_count(config.slots[1]), 20);
  EXPECT_EQ(config.slots[1].pins[3].name.view(), "QM1_DIN<5>");
  EXPECT_EQ(config.slots[1].pins[3].loc.view(), "190");
  EXPECT_EQ(place(config, 1, 954), "");
  EXPECT_EQ(module_number(config.slots[1]), 954);
  EXPECT_EQ(signal_count(config.slots[1]), 0);
  EXPECT_EQ(module_number(config.slots[2]), 953);
  EXPECT_EQ(signal_count(config.slots[2]), 31);
  EXPECT_EQ(place(config, 2, 954), "");
  EXPECT_EQ(signal_count(config.slots[2]), 0);
}

TEST(BoardConfiguration, OnlyTheLowByteOfTheModificationIsKept) {
  hb_module_type config;
  select(config, 709);
  place(config, 0, 735, 257);
  EXPECT_EQ(config.slots[0].modification, 1);
  EXPECT_EQ(config.slots[0].pins[3].name.view(), "QM0_SCL");
}

TEST(BoardConfiguration, AnUnsupportedModuleKeepsTheSlotsModule) {
  hb_module_type config;
  select(config, 710);
  place(config, 3, 704);
  EXPECT_EQ(place(config, 3, 705), "Incorrect QM nr 705\n");
  EXPECT_EQ(place(config, 3, 700), "Incorrect QM nr 700\n");
  EXPECT_EQ(module_number(config.slots[3]), 704);
  EXPECT_EQ(signal_count(config.slots[3]), 30);
}

TEST(BoardConfiguration, SelectingAgainEmptiesOnlyTheNewBoardsSlots) {
  hb_module_type config;
  select(config, 709);
  place(config, 1, 722);
  place(config, 6, 722);
  const qm_module_type slot6 = config.slots[6];
  select(config, 710);
  EXPECT_EQ(module_number(config.slots[1]), 954);
  EXPECT_EQ(config.slots[1].hb_index, 10);
  EXPECT_EQ(signal_count(config.slots[1]), 0);
  EXPECT_TRUE(same_slot(config.slots[6], slot6));
}

// A slot the board does not have is ignored: no message, and no slot record
// changes.
TEST(BoardConfiguration, ASlotBeyondTheBoardIsRefused) {
  hb_module_type config;
  select(config, 710);
  place(config, 0, 722);
  const hb_module_type before = config;
  for (int slot : {4, 5, 7, 8, 255, 256, 65535}) {
    EXPECT_EQ(place(config, slot, 955), "") << slot;
    for (std::size_t s = 0; s < config.slots.size(); ++s)
      EXPECT_TRUE(same_slot(config.slots[s], before.slots[s])) << slot << " " << s;
  }
  hb_module_type eight;
  select(eight, 711);
  EXPECT_EQ(place(eight, 8, 955), "");
  EXPECT_EQ(place(eight, 7, 955), "");
  EXPECT_EQ(signal_count(eight.slots[7]), 32);
}

TEST(BoardConfiguration, NoSlotTakesAModuleWithoutABoard) {
  hb_module_type unconfigured;
  EXPECT_EQ(place(unconfigured, 0, 704), "");
  EXPECT_EQ(unconfigured.slots[0].qm_index, 0);
  EXPECT_EQ(signal_count(unconfigured.slots[0]), 0);
  hb_module_type rejected;
  select(rejected, 702);
  for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(place(rejected, slot, 704), "") << slot;
  EXPECT_EQ(rejected.slots[0].qm_index, 0);
}

}  // namespace
}  // namespace hbpins
