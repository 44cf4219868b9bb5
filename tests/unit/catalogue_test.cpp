// The board and module tables are long hand transcriptions; the golden files
// of the end-to-end cases pin every entry. The catalogue checks, which also
// judge every module file, hold each built-in board and module to the rules,
// so that a new or edited entry that breaks one is caught where it is made;
// the sweeps here hold the facts of the data itself.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/board_check.h"
#include "catalogue/direction_table.h"
#include "catalogue/module_catalogue.h"
#include "catalogue/module_check.h"

namespace hbpins {
namespace {

bool is_ball_name(std::string_view loc) {
  std::size_t letters = 0;
  while (letters < loc.size() && loc[letters] >= 'A' && loc[letters] <= 'Z') ++letters;
  const std::string_view digits = loc.substr(letters);
  return letters >= 1 && letters <= 2 && !digits.empty() && digits[0] != '0' &&
         digits.find_first_not_of("0123456789") == std::string_view::npos;
}

bool is_package_pin(std::string_view loc) {
  return !loc.empty() && loc.size() <= 3 && loc[0] != '0' &&
         loc.find_first_not_of("0123456789") == std::string_view::npos;
}

TEST(Catalogue, BoardsPassTheCheck) {
  const std::map<int, std::pair<int, std::vector<int>>> boards = {
      // board: slot count, the positions it leaves unwired in every slot
      {701, {4, {34}}},
      {706, {4, {33, 34}}},
      {709, {8, {}}},
      {710, {4, {}}},
      {711, {8, {}}}};
  for (const auto& [number, facts] : boards) {
    SCOPED_TRACE(number);
    const board_entry& board = *find_board(static_cast<std::uint32_t>(number));
    ASSERT_EQ(board.slot_count, facts.first);
    auto is_location = board.loc_prefix == "P" ? is_package_pin : is_ball_name;
    for (std::size_t s = 0; s < board.connectors.size(); ++s) {
      for (int p = first_position; p <= last_position; ++p) {
        const std::string_view loc = board.connectors[s][p].view();
        const bool unwired = std::count(facts.second.begin(), facts.second.end(), p) > 0;
        EXPECT_EQ(loc == "0", unwired) << "slot " << s << " position " << p;
        EXPECT_TRUE(loc == "0" || is_location(loc)) << loc;
      }
    }
    for (std::span<const pin_type> table : board.signal_tables)
      for (const pin_type& signal : table) EXPECT_TRUE(is_location(signal.loc.view()));
    // Board 711 documents its BCBUS_<5> and BCBUS_<6> on the one ball A2,
    // which board signals may share.
    for (const board_problem& problem : check_board(board)) ADD_FAILURE() << problem.message;
  }
  EXPECT_EQ(find_board(11), nullptr);
}

// Board 706 is board 701 with the slots in another order and positions 33
// and 34 left to its own signals.
TEST(Catalogue, Board706HasTheSlotsOf701) {
  const connector_table hb701 = find_board(701)->connectors;
  const connector_table hb706 = find_board(706)->connectors;
  const int slot_of_701[] = {0, 3, 1, 2};
  for (int s = 0; s < 4; ++s)
    for (int p = first_position; p <= 32; ++p)
      EXPECT_EQ(hb706[s][p].view(), hb701[slot_of_701[s]][p].view()) << s << " " << p;
}

TEST(Catalogue, ModulesPassTheCheck) {
  int tables = 0;
  for (const module_entry& module : builtin_modules) {
    SCOPED_TRACE(module.number);
    tables += static_cast<int>(module.variants.size());
    for (const module_problem& problem : check_module(module))
      ADD_FAILURE() << problem.variant << " " << problem.position << ": " << problem.message;
  }
  // 700 to 740 less nine numbers, 953, 954, 955; 706, 707 and 735 have two
  // variants; 700 and 722 share one.
  EXPECT_EQ(builtin_modules.size(), 35u);
  EXPECT_EQ(tables, 36);
  EXPECT_EQ(find_module({}, 700)->variants[0].rows.data(),
            find_module({}, 722)->variants[0].rows.data());
}

// What no module file can hold, since the reader lays out the tables itself.
TEST(Catalogue, ModuleCheckFindsBrokenTables) {
  const qm_pin_row_type rows[] = {{"A", direction::se_in_up},
                                  {"B", direction::nc},
                                  {"C_p", direction::lvds_in_p},
                                  {"C_n", direction::lvds_in_n}};
  const module_pin_table tables[] = {{32, rows}, {3, {}}};
  const std::vector<std::string> expected = {
      "module 770: variant 1 has no rows",
      "position: expected positions 3 to 34, found a table from 32 to 35",
      "direction: expected in, out or inout without a pull resistor",
      "signal: expected NC on a position without a signal, found \"B\"",
      "standard: expected the p half of an LVDS_25 pair on an odd position, the n half on an even "
      "one",
      "standard: expected the p half of an LVDS_25 pair on an odd position, the n half on an even "
      "one"};
  std::vector<std::string> found;
  for (const module_problem& problem : check_module({770, tables}))
    found.push_back(problem.message);
  EXPECT_EQ(found, expected);
}

// The listing shows the module's side of each direction: what the FPGA
// receives the module drives; pull resistors do not change a pin's words,
// and an LVDS line shows its polarity.
TEST(Catalogue, DirectionWordsAgree) {
  for (int value = 0; value <= static_cast<int>(direction::nc); ++value) {
    const direction_entry& dir = direction_info(static_cast<direction>(value));
    SCOPED_TRACE(value);
    EXPECT_EQ(static_cast<int>(dir.dir), value);
    if (dir.dir == direction::nc) {
      EXPECT_EQ(dir.listing_direction, "-");
      EXPECT_EQ(dir.listing_standard, "NC");
      continue;
    }
    const std::string_view reversed[] = {"out", "in", "bidir"};
    EXPECT_EQ(dir.listing_direction, reversed[static_cast<int>(dir.mode)]);
    const bool lvds = value >= static_cast<int>(direction::lvds_in_p);
    EXPECT_EQ(dir.standard, lvds ? "LVDS_25" : "LVTTL");
    EXPECT_EQ(dir.listing_standard, !lvds ? "LVTTL" : value % 2 == 1 ? "LVDS_p" : "LVDS_n");
    const std::map<direction, std::string_view> pulls = {{direction::se_in_up, "up"},
                                                         {direction::se_bidir_up, "up"},
                                                         {direction::se_in_dn, "down"},
                                                         {direction::se_bidir_dn, "down"}};
    EXPECT_EQ(dir.pull, pulls.contains(dir.dir) ? pulls.at(dir.dir) : std::string_view());
  }
  EXPECT_EQ(mode_name(vhdl_dir::buffer), "buffer");
}

}  // namespace
}  // namespace hbpins
