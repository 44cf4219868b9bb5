#include "catalogue/board_catalogue.h"

#include "catalogue/tables/board_tables.h"

namespace hbpins {

namespace {

constexpr std::span<const pin_type> hb701_tables[] = {hb701_signals};
constexpr std::span<const pin_type> hb706_tables[] = {hb706_signals};
constexpr std::span<const pin_type> hb709_tables[] = {hb709_signals};
constexpr std::span<const pin_type> hb710_tables[] = {hb710_signals};
constexpr std::span<const pin_type> hb711_tables[] = {hb711_main_signals, hb711_sfp1_signals,
                                                      hb711_sfp2_signals, hb711_mgt1_signals,
                                                      hb711_mgt3_signals};

// 701 and 706 carry their FPGA in a 208-pin quad flat pack, 709, 710 and 711
// in a 676-ball grid of 26 rows and columns.
constexpr package_shape quad_flat_208 = {package_layout::quad_flat, 52};
constexpr package_shape ball_grid_676 = {package_layout::ball_grid, 26};

constexpr board_entry boards[] = {
    {701, 4, "P", quad_flat_208, hb701_connectors, hb701_tables},
    {706, 4, "P", quad_flat_208, hb706_connectors, hb706_tables},
    {709, 8, "", ball_grid_676, hb709_connectors, hb709_tables},
    {710, 4, "", ball_grid_676, hb710_connectors, hb710_tables},
    {711, 8, "", ball_grid_676, hb711_connectors, hb711_tables},
};

}  // namespace

const std::span<const board_entry> builtin_boards = boards;

const board_entry* find_board(std::uint32_t number) {
  for (const board_entry& board : boards)
    if (board.number == number) return &board;
  return nullptr;
}

}  // namespace hbpins
