// Board files and the packages their locations lie on. The transcripts of
// tests/cases/boards-* hold the reader's messages; here the export of every
// built-in board reads back to the same tables, every ball name of the
// largest grid reads back to its own row and column, and the check finds
// what no board file can hold.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/board_check.h"
#include "catalogue/board_file/board_file_reader.h"
#include "catalogue/board_file/board_file_writer.h"
#include "catalogue/package_pins.h"

namespace hbpins {
namespace {

std::vector<pin_type> signals_of(const board_entry& board) {
  std::vector<pin_type> signals;
  for (std::span<const pin_type> table : board.signal_tables)
    signals.insert(signals.end(), table.begin(), table.end());
  return signals;
}

void expect_same_tables(const board_entry& a, const board_entry& b) {
  EXPECT_EQ(a.slot_count, b.slot_count);
  EXPECT_EQ(a.loc_prefix, b.loc_prefix);
  EXPECT_EQ(a.package, b.package);
  ASSERT_EQ(a.connectors.size(), b.connectors.size());
  for (std::size_t s = 0; s < a.connectors.size(); ++s)
    for (int p = first_position; p <= last_position; ++p)
      EXPECT_EQ(a.connectors[s][p].view(), b.connectors[s][p].view()) << s << " " << p;
  const std::vector<pin_type> x = signals_of(a);
  const std::vector<pin_type> y = signals_of(b);
  ASSERT_EQ(x.size(), y.size());
  for (std::size_t k = 0; k < x.size(); ++k) {
    EXPECT_EQ(x[k].name.view(), y[k].name.view());
    EXPECT_EQ(x[k].loc.view(), y[k].loc.view());
    EXPECT_EQ(x[k].dir, y[k].dir);
  }
}

// Under a free number, since the built-in one is taken.
TEST(BoardFile, BuiltInBoardsReadBackFromTheirExport) {
  for (const board_entry& board : builtin_boards) {
    SCOPED_TRACE(board.number);
    std::ostringstream exported;
    write_board_file(exported, board);
    std::string text = exported.str();
    const std::string number = std::to_string(board.number);
    for (std::size_t at = text.find('\n' + number); at != std::string::npos;
         at = text.find('\n' + number, at + 1))
      text.replace(at + 1, 3, "719");
    const board_file file = read_board_file(text, "export.csv", {});
    for (const board_file_problem& problem : file.problems)
      ADD_FAILURE() << problem.line << ": " << problem.message;
    ASSERT_EQ(file.boards.size(), 1u);
    EXPECT_EQ(file.boards[0]->entry.number, 719);
    expect_same_tables(board, file.boards[0]->entry);
  }
}

TEST(BoardFile, EveryBallOfTheLargestGridNamesItsPlace) {
  const package_shape grid{package_layout::ball_grid, max_grid_side, max_grid_side};
  const package_shape smaller{package_layout::ball_grid, max_grid_side - 1, max_grid_side - 1};
  std::set<std::string> names;
  for (int row = 0; row < max_grid_side; ++row) {
    for (int column = 1; column <= max_grid_side; ++column) {
      std::string name;
      append_row_name(name, row);
      name += std::to_string(column);
      EXPECT_LE(name.size(), loc_text().chars.size()) << name;
      EXPECT_TRUE(is_package_location(grid, name)) << name;
      const bool on_edge = row == max_grid_side - 1 || column == max_grid_side;
      EXPECT_EQ(is_package_location(smaller, name), !on_edge) << name;
      names.insert(name);
    }
  }
  EXPECT_EQ(names.size(), pin_count(grid));
  EXPECT_EQ(package_locations(grid), "a ball from A1 to BY60");
}

TEST(BoardFile, LocationsOffThePackage) {
  const package_shape grid{package_layout::ball_grid, 26, 26};
  const package_shape quad{package_layout::quad_flat, 52, 52};
  for (const std::string_view off :
       {"", "A", "1", "A0", "A01", "A27", "AG1", "I1", "a1", "AAA1", "A1B", "A-1", "AF 1"})
    EXPECT_FALSE(is_package_location(grid, off)) << off;
  for (const std::string_view off : {"", "0", "012", "209", "P1", "1P", "+1", "2080"})
    EXPECT_FALSE(is_package_location(quad, off)) << off;
  EXPECT_TRUE(is_package_location(grid, "AF26"));
  EXPECT_TRUE(is_package_location(quad, "208"));
  EXPECT_FALSE(is_package_location({}, "1"));
  EXPECT_EQ(pin_count({}), 0u);
}

// A board file lays out one wiring per slot and never a ninth slot.
TEST(BoardFile, CheckFindsWhatNoBoardFileHolds) {
  std::vector<slot_wiring> wirings(9);
  for (slot_wiring& wiring : wirings) wiring.entries.fill("0");
  const pin_type signals[] = {{"CLK", "A1", direction::se_in}};
  const std::span<const pin_type> tables[] = {signals};
  const board_entry board{799, 8, "", {package_layout::ball_grid, 2, 2}, wirings, tables};
  std::vector<std::string> found;
  for (const board_problem& problem : check_board(board)) {
    EXPECT_EQ(problem.signal, board_problem::whole_board);
    found.push_back(problem.message);
  }
  const std::vector<std::string> expected = {
      "slot: expected 1 to 8 slots, found 9",
      "connectors: expected a wiring for each of the 8 slots"};
  EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace hbpins
