// The board and module tables are long hand transcriptions; the golden files
// of the end-to-end cases pin every entry. These sweeps hold the tables to
// the rules every board and module obeys, so that a new or edited entry that
// breaks one is caught where it is made.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/board_catalogue.h"
#include "catalogue/direction_table.h"
#include "catalogue/module_catalogue.h"

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

// A vector bit "NAME<i>" gives "NAME"; any other name is its own family.
std::string family(std::string_view name) {
  return std::string(name.substr(0, name.find('<')));
}

TEST(Catalogue, BoardsWireEachLocationOnce) {
  const std::map<int, std::pair<int, std::vector<int>>> boards = {
      // board: slot count, the positions it leaves unwired in every slot
      {701, {4, {34}}},
      {706, {4, {33, 34}}},
      {709, {8, {}}},
      {710, {4, {}}},
      {711, {8, {}}}};
  for (const auto& [number, facts] : boards) {
    SCOPED_TRACE(number);
    const board_entry& board = *find_board(static_cast<std::uint8_t>(number - 700));
    ASSERT_EQ(board.connectors.size(), static_cast<std::size_t>(facts.first));
    ASSERT_EQ(hb_slot_count(static_cast<std::uint16_t>(number)), facts.first);
    auto is_location = board.loc_prefix == "P" ? is_package_pin : is_ball_name;
    std::map<std::string, std::vector<std::string>> users;
    for (std::size_t s = 0; s < board.connectors.size(); ++s) {
      for (int p = first_position; p <= last_position; ++p) {
        const std::string_view loc = board.connectors[s][p].view();
        const bool unwired = std::count(facts.second.begin(), facts.second.end(), p) > 0;
        EXPECT_EQ(loc == "0", unwired) << "slot " << s << " position " << p;
        if (loc == "0") continue;
        EXPECT_TRUE(is_location(loc)) << loc;
        users[std::string(loc)].push_back("slot " + std::to_string(s));
      }
    }
    std::map<std::string, direction> directions;
    for (std::span<const pin_type> table : board.signal_tables) {
      for (const pin_type& signal : table) {
        EXPECT_TRUE(is_location(signal.loc.view())) << signal.name.view();
        EXPECT_TRUE(directions.emplace(signal.name.view(), signal.dir).second)
            << signal.name.view();
        users[std::string(signal.loc.view())].emplace_back(signal.name.view());
      }
    }
    std::map<std::string, direction> family_direction;
    for (const auto& [name, dir] : directions) {
      const auto [known, fresh] = family_direction.emplace(family(name), dir);
      EXPECT_TRUE(fresh || known->second == dir) << name;
      // The positive line of a pair names its negative line: _p becomes _n.
      const auto positive = static_cast<int>(dir) - static_cast<int>(direction::lvds_in_p);
      if (positive != 0 && positive != 2) continue;
      std::string negative = name;
      negative.replace(name.rfind("_p"), 2, "_n");
      ASSERT_TRUE(directions.contains(negative)) << name;
      EXPECT_EQ(static_cast<int>(directions[negative]), static_cast<int>(dir) + 1) << name;
    }
    for (const auto& [loc, on_it] : users) {
      // Board 711 documents its BCBUS_<5> and BCBUS_<6> on the one ball A2.
      if (number == 711 && loc == "A2")
        EXPECT_EQ(on_it, (std::vector<std::string>{"BCBUS_<5>", "BCBUS_<6>"}));
      else
        EXPECT_EQ(on_it.size(), 1u) << loc << " carries " << on_it[0] << " and " << on_it[1];
    }
  }
  EXPECT_EQ(find_board(0), nullptr);
  EXPECT_EQ(hb_slot_count(955), 0);
}

// Board 706 is board 701 with the slots in another order and positions 33
// and 34 left to its own signals.
TEST(Catalogue, Board706HasTheSlotsOf701) {
  const connector_table hb701 = find_board(1)->connectors;
  const connector_table hb706 = find_board(6)->connectors;
  const int slot_of_701[] = {0, 3, 1, 2};
  for (int s = 0; s < 4; ++s)
    for (int p = first_position; p <= 32; ++p)
      EXPECT_EQ(hb706[s][p].view(), hb701[slot_of_701[s]][p].view()) << s << " " << p;
}

TEST(Catalogue, ModuleRowsFollowTheConventions) {
  const std::set<direction> module_directions = {direction::se_in,     direction::se_out,
                                                 direction::se_bidir,  direction::lvds_in_p,
                                                 direction::lvds_in_n, direction::nc};
  int tables = 0;
  for (const module_entry& module : module_catalogue) {
    EXPECT_TRUE(is_supported_module(static_cast<std::uint16_t>(module.number - 700)));
    for (const module_pin_table& table : module.variants) {
      SCOPED_TRACE(module.number);
      ++tables;
      ASSERT_GE(table.first_position, first_position);
      ASSERT_LE(table.first_position + table.rows.size() - 1, std::size_t{last_position});
      std::set<std::string> names;
      std::map<std::string, direction> family_direction;
      for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const qm_pin_row_type& row = table.rows[k];
        const std::size_t position = table.first_position + k;
        EXPECT_TRUE(module_directions.contains(row.dir)) << row.name.view();
        EXPECT_EQ(row.dir == direction::nc, row.name == "NC") << position;
        if (row.dir == direction::nc) continue;
        // "QM7_" and the name must fit a 32-character port name.
        EXPECT_LE(row.name.size(), 11u) << row.name.view();
        EXPECT_TRUE(names.insert(std::string(row.name.view())).second) << row.name.view();
        const auto [known, fresh] = family_direction.emplace(family(row.name), row.dir);
        EXPECT_TRUE(fresh || known->second == row.dir) << row.name.view();
        // Both halves of an LVDS pair share one line of the two-column listing.
        if (row.dir == direction::lvds_in_p) {
          EXPECT_EQ(position % 2, 1u) << row.name.view();
          ASSERT_LT(k + 1, table.rows.size());
          EXPECT_EQ(table.rows[k + 1].dir, direction::lvds_in_n) << row.name.view();
        }
      }
    }
  }
  // 700 to 740 less nine numbers, 953; 706, 707 and 735 have two variants.
  EXPECT_EQ(module_catalogue.size(), 35u);
  EXPECT_EQ(tables, 36);
  int supported = 0;
  for (std::uint16_t index = 0; index < 300; ++index) supported += is_supported_module(index);
  EXPECT_EQ(supported, 35);
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
