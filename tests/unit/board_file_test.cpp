// Board files and the packages their locations lie on. The transcripts of
// tests/cases/boards-* hold the reader's messages, and the round trip of
// tests/boards the export of every built-in board; here every ball name of
// the largest grid reads back to its own row and column, every direction
// and package from its words, and no location off the package passes.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/board_file/board_file_fields.h"
#include "catalogue/direction_table.h"
#include "catalogue/package_pins.h"

namespace hbpins {
namespace {

TEST(BoardFile, EveryBallOfTheLargestGridNamesItsPlace) {
  const package_shape grid{package_layout::ball_grid, grid_sides.last, grid_sides.last};
  const package_shape smaller{package_layout::ball_grid, grid_sides.last - 1, grid_sides.last - 1};
  std::set<std::string> names;
  for (int row = 0; row < grid_sides.last; ++row) {
    for (int column = 1; column <= grid_sides.last; ++column) {
      std::string name;
      append_row_name(name, row);
      name += std::to_string(column);
      EXPECT_LE(name.size(), loc_text().chars.size()) << name;
      EXPECT_TRUE(is_package_location(grid, name)) << name;
      const bool on_edge = row == grid_sides.last - 1 || column == grid_sides.last;
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

using row_fields = std::array<std::string_view, board_file_column_count>;

std::optional<board_file_row> read_row(const row_fields& fields) {
  std::vector<std::string> problems;
  std::optional<board_file_row> row = read_board_file_row(fields, problems);
  EXPECT_EQ(row.has_value(), problems.empty());
  return row;
}

// The built-in boards have no pull-down and no input with a pull-up on an
// inout: every direction's words, as the export writes them, read back to
// it, an LVDS signal's half by its name.
TEST(BoardFile, EveryDirectionReadsBackFromItsWords) {
  for (int d = 0; d < static_cast<int>(direction::nc); ++d) {
    const direction_entry& dir = direction_info(static_cast<direction>(d));
    SCOPED_TRACE(d);
    row_fields fields;
    fields[board_column] = "712";
    fields[signal_column] = !is_lvds(dir.dir) ? "S" : is_lvds_p(dir.dir) ? "S_n_p" : "S_p_n";
    fields[location_column] = "A1";
    fields[direction_column] = mode_name(dir.mode);
    fields[standard_column] = dir.standard;
    fields[pull_column] = dir.pull;
    const std::optional<board_file_row> row = read_row(fields);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->kind, board_row_kind::signal);
    EXPECT_EQ(row->pin.dir, dir.dir);
  }
}

// Every package a board file may declare reads back from its text, and
// none just past the limits.
TEST(BoardFile, EveryPackageReadsBackFromItsText) {
  std::vector<package_shape> packages;
  for (int pins = quad_flat_pins.first; pins <= quad_flat_pins.last; pins += 4)
    packages.push_back({package_layout::quad_flat, static_cast<std::uint8_t>(pins / 4),
                        static_cast<std::uint8_t>(pins / 4)});
  for (int rows = grid_sides.first; rows <= grid_sides.last; ++rows)
    for (int columns = grid_sides.first; columns <= grid_sides.last; ++columns)
      packages.push_back({package_layout::ball_grid, static_cast<std::uint8_t>(rows),
                          static_cast<std::uint8_t>(columns)});
  row_fields fields;
  fields[board_column] = "712";
  for (const package_shape& package : packages) {
    const std::string text = package_text(package);
    fields[package_column] = text;
    const std::optional<board_file_row> row = read_row(fields);
    ASSERT_TRUE(row) << text;
    EXPECT_EQ(row->kind, board_row_kind::board);
    EXPECT_EQ(row->package, package) << text;
  }
  for (const std::string_view off : {"QFP4", "QFP404", "QFP210", "BGA1x2", "BGA2x61", "BGA2x",
                                     "BGAx2", "BGA 2x2", "QFP", "qfp-8", "BGA2x2x2", "PGA144"}) {
    fields[package_column] = off;
    EXPECT_FALSE(read_row(fields)) << off;
  }
  fields[package_column] = "bga22X22";
  EXPECT_EQ(package_text(read_row(fields)->package), "BGA22x22");
}

}  // namespace
}  // namespace hbpins
