// The board and module tables are long hand transcriptions; the golden files
// of the end-to-end cases pin every entry. The catalogue checks, which also
// judge every module file, hold each built-in board and module to the rules,
// so that a new or edited entry that breaks one is caught where it is made;
// the sweeps here hold the facts of the data itself, over whatever the
// catalogue holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "assembly/location_uses.h"
#include "assembly/pin_list.h"
#include "catalogue/board_check.h"
#include "catalogue/module_check.h"
#include "catalogue/run_catalogue.h"
#include "output/report/pin_conflicts.h"

namespace hbpins {
namespace {

// Ball-grid rows skip the letters I, O, Q, S, X and Z and go on with two
// letters after Y.
int ball_row(std::string_view letters) {
  constexpr std::string_view rows = "ABCDEFGHJKLMNPRTUVWY";
  const auto index = [rows](char c) {
    const std::size_t at = rows.find(c);
    return at == rows.npos ? -1000 : static_cast<int>(at);
  };
  if (letters.size() == 1) return index(letters[0]);
  if (letters.size() == 2)
    return (index(letters[0]) + 1) * static_cast<int>(rows.size()) + index(letters[1]);
  return -1;
}

int number_of(std::string_view digits) {
  if (digits.empty() || digits[0] == '0' || digits.find_first_not_of("0123456789") != digits.npos)
    return -1;
  return std::stoi(std::string(digits));
}

// A package pin from 1 to four sides' pins, or a ball of the grid.
bool lies_in_package(std::string_view loc, const package_shape& package) {
  if (package.layout == package_layout::quad_flat) {
    const int pin = number_of(loc);
    return pin >= 1 && pin <= 4 * package.rows;
  }
  const std::size_t letters = loc.find_first_of("0123456789");
  if (letters == loc.npos) return false;
  const int row = ball_row(loc.substr(0, letters));
  const int column = number_of(loc.substr(letters));
  return row >= 0 && row < package.rows && column >= 1 && column <= package.columns;
}

TEST(Catalogue, BoardNumbersInOrder) {
  ASSERT_FALSE(builtin_boards.empty());
  for (std::size_t b = 0; b < builtin_boards.size(); ++b) {
    const board_entry& board = builtin_boards[b];
    EXPECT_TRUE(board_numbers.contains(board.number)) << board.number;
    if (b > 0) {
      EXPECT_LT(builtin_boards[b - 1].number, board.number);
    }
    EXPECT_EQ(find_board({}, board.number), &board);
  }
}

TEST(Catalogue, BoardLocationsLieInTheirPackage) {
  for (const board_entry& board : builtin_boards) {
    SCOPED_TRACE(board.number);
    EXPECT_TRUE(slot_counts.contains(static_cast<int>(slot_count(board))));
    EXPECT_NE(board.package.layout, package_layout::none);
    for (std::size_t s = 0; s < slot_count(board); ++s) {
      for (int p = first_position; p <= last_position; ++p) {
        const std::string_view loc = board.connectors[s][p].view();
        EXPECT_TRUE(loc == "0" || lies_in_package(loc, board.package)) << s << " " << loc;
        // The slots of a board are alike: each wires the positions the
        // first one wires.
        EXPECT_EQ(loc == "0", board.connectors[0][p].view() == "0") << s << " " << p;
      }
    }
    ASSERT_FALSE(board.signal_tables.empty());
    for (std::span<const pin_type> table : board.signal_tables)
      for (const pin_type& signal : table)
        EXPECT_TRUE(lies_in_package(signal.loc.view(), board.package)) << signal.loc.view();
  }
}

// Board 711 documents its BCBUS_<5> and BCBUS_<6> on the one ball A2, which
// board signals may share: the warning tells of it on the bare board.
TEST(Catalogue, BoardsPassTheCheck) {
  for (const board_entry& board : builtin_boards) {
    SCOPED_TRACE(board.number);
    for (const board_problem& problem : check_board(board)) ADD_FAILURE() << problem.message;
    board_configuration config;
    ASSERT_TRUE(select_board(config, board));
    const std::string shared = shared_locations(uses_by_location(resolve_pins(config)));
    EXPECT_EQ(shared.empty(), board.number != 711) << shared;
  }
}

// Board 706 is board 701 with the slots in another order and positions 33
// and 34 left to its own signals.
TEST(Catalogue, Board706HasTheSlotsOf701) {
  const connector_table hb701 = find_board({}, 701)->connectors;
  const connector_table hb706 = find_board({}, 706)->connectors;
  const int slot_of_701[] = {0, 3, 1, 2};
  for (int s = 0; s < 4; ++s)
    for (int p = first_position; p <= 32; ++p)
      EXPECT_EQ(hb706[s][p].view(), hb701[slot_of_701[s]][p].view()) << s << " " << p;
}

// The numbers with a meaning of their own belong to one module each, of its
// kind; every other module is numbered as a module file may number its own.
TEST(Catalogue, ModulesPassTheCheck) {
  const std::pair<module_kind, std::uint16_t> own_numbers[] = {
      {module_kind::test_tables, test_module_number},
      {module_kind::empty_slot, empty_slot_number},
      {module_kind::general_io, general_io_number}};
  for (std::size_t m = 0; m < builtin_modules.size(); ++m) {
    const module_entry& module = builtin_modules[m];
    SCOPED_TRACE(module.number);
    if (m > 0) {
      EXPECT_LT(builtin_modules[m - 1].number, module.number);
    }
    EXPECT_TRUE(module_numbers.contains(module.number));
    const auto own = std::find_if(std::begin(own_numbers), std::end(own_numbers),
                                  [&](const auto& entry) { return entry.first == module.kind; });
    if (own != std::end(own_numbers)) {
      EXPECT_EQ(module.number, own->second);
    } else {
      EXPECT_TRUE(loadable_module_numbers.contains(module.number));
    }
    EXPECT_EQ(module.variants.empty(),
              module.kind == module_kind::empty_slot || module.kind == module_kind::general_io);
    for (const module_problem& problem : check_module(module))
      ADD_FAILURE() << problem.variant << " " << problem.position << ": " << problem.message;
  }
  for (const auto& [kind, number] : own_numbers) EXPECT_EQ(find_module({}, number)->kind, kind);
  EXPECT_EQ(empty_module().number, empty_slot_number);
  // 700 is the number of the series and lists the pinout of 722.
  EXPECT_EQ(find_module({}, 700)->kind, module_kind::listing_only);
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

// What no board file holds: more than 8 slots, a location no package has,
// and a board without a package; each problem where it lies.
TEST(Catalogue, BoardCheckFindsBrokenTables) {
  std::vector<slot_wiring> wiring(9);
  for (slot_wiring& slot : wiring) slot.entries.fill("0");
  wiring[0][4] = "A2";
  wiring[8][34] = "A-1";
  const pin_type signals[] = {{"D_p", "A2", direction::lvds_in_p}, {"E<0>", "B1", direction::se_in},
                              {"E<1>", "B2", direction::se_out},   {"e<0>", "B3", direction::se_in},
                              {"1x", "B4", direction::se_in},      {"F", "", direction::se_in}};
  const std::span<const pin_type> tables[] = {signals};
  const board_entry board{799, "", {package_layout::ball_grid, 4, 4}, wiring, tables};
  const std::vector<std::string> expected = {
      "whole: slot: expected 1 to 8 slots, found 9",
      "8/34: location: expected a ball from A1 to D4, found \"A-1\"",
      "signal 5: location: expected a ball from A1 to D4, found \"\"",
      "signal 2: direction: expected in, as E<0> on location B1, found out",
      "signal 3: signal: expected each name once, found e<0> also on location B1",
      "signal 4: signal: expected a letter, then letters, digits and underscores, and an optional "
      "bit <k>, found \"1x\"",
      "signal 0: signal: expected the other half of the LVDS pair D_p",
      "signal 0: location A2: expected one use, found slot 0 position 4, D_p"};
  std::vector<std::string> found;
  for (const board_problem& problem : check_board(board)) {
    std::string place = "whole";
    if (problem.signal != board_problem::whole_board)
      place = "signal " + std::to_string(problem.signal);
    else if (problem.position != 0)
      place = std::to_string(problem.slot) + "/" + std::to_string(problem.position);
    found.push_back(place + ": " + problem.message);
  }
  EXPECT_EQ(found, expected);
  const std::vector<board_problem> bare = check_board({799, "", {}, {}, tables});
  ASSERT_GE(bare.size(), 2u);
  EXPECT_EQ(bare[0].message, "slot: expected 1 to 8 slots, found 0");
  EXPECT_EQ(bare[1].message, "package: expected a quad flat pack or a ball grid, found none");
}

// A loaded board: a slot of one wired position and one signal.
std::unique_ptr<loaded_board> small_board(std::uint16_t number, const std::string& file) {
  auto board = std::make_unique<loaded_board>(number, file);
  std::vector<slot_wiring> wiring(1);
  wiring[0].entries.fill("0");
  wiring[0][first_position] = "7";
  board->set_tables("P", {package_layout::quad_flat, 4, 4}, std::move(wiring),
                    {{"CLK", "9", direction::se_in}});
  return board;
}

// Loaded boards follow the built-in ones, in the order they were read, and
// are found by number like them; a built-in board keeps its number.
TEST(Catalogue, LoadedBoardsFollowTheBuiltIn) {
  run_catalogue catalogue;
  catalogue.boards.push_back(small_board(719, "b.csv"));
  catalogue.boards.push_back(small_board(700, "a.csv"));
  catalogue.boards.push_back(small_board(builtin_boards[0].number, "c.csv"));
  std::vector<std::uint16_t> numbers;
  for (const board_entry* board : listed_boards(catalogue)) numbers.push_back(board->number);
  std::vector<std::uint16_t> expected;
  for (const board_entry& board : builtin_boards) expected.push_back(board.number);
  expected.insert(expected.end(), {719, 700, builtin_boards[0].number});
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(find_board(catalogue, 700), &catalogue.boards[1]->entry);
  EXPECT_EQ(find_board(catalogue, builtin_boards[0].number), &builtin_boards[0]);
  EXPECT_EQ(find_loaded_board(catalogue, 719)->file, "b.csv");
  EXPECT_EQ(find_loaded_board(catalogue, builtin_boards[0].number)->file, "c.csv");
  EXPECT_EQ(find_board(catalogue, 718), nullptr);
  EXPECT_EQ(find_board({}, 700), nullptr);
}

TEST(Catalogue, ModulesListedAfterTheBuiltIn) {
  run_catalogue catalogue;
  auto module = std::make_unique<loaded_module>(760, "m.csv");
  module->set_rows({std::vector<qm_pin_row_type>{{"A", direction::se_in}}, {}},
                   {first_position, first_position});
  catalogue.modules.push_back(std::move(module));
  const std::vector<const module_entry*> listed = listed_modules(catalogue);
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed.back()->number, 760);
  EXPECT_EQ(std::count_if(listed.begin(), listed.end(),
                          [](const module_entry* entry) { return !is_listed(*entry); }),
            0);
  EXPECT_EQ(find_loaded_module(catalogue, 760)->file, "m.csv");
  EXPECT_EQ(find_module(catalogue, 760), listed.back());
  EXPECT_EQ(find_loaded_module(catalogue, 722), nullptr);
}

}  // namespace
}  // namespace hbpins
