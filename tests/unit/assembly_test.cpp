// The assembly's own guards, which the command line never trips because it
// checks numbers and slots itself first: they keep a caller from reading or
// writing outside the catalogue; and orders of the warnings no catalogue board
// shows: locations by name, long ones by their texts, vectors as they come.

#include <gtest/gtest.h>

#include "assembly/pin_list.h"
#include "output/report/pin_conflicts.h"

namespace hbpins {
namespace {

TEST(Assembly, RefusesWhatTheCatalogueLacks) {
  const module_catalogue modules;
  board_configuration config;
  EXPECT_EQ(place_module(config, 0, find_module(modules, 722), 0), placement::no_such_slot);
  const pin_list unconfigured = resolve_pins(config);
  EXPECT_EQ(unconfigured.board, 700);
  ASSERT_EQ(unconfigured.groups.size(), 1u);
  EXPECT_TRUE(unconfigured.board_signals().pins.empty());
  for (std::uint32_t number : {0, 11, 700, 702, 712, 956, 957, 65535, 65536 + 711}) {
    EXPECT_FALSE(select_board(config, number)) << number;
    EXPECT_EQ(config.board, nullptr) << number;
    EXPECT_EQ(slot_count(config), 0) << number;
  }
  ASSERT_TRUE(select_board(config, 711));
  EXPECT_EQ(board_number(config), 711);
  EXPECT_EQ(place_module(config, 8, find_module(modules, 722), 0), placement::no_such_slot);
  EXPECT_EQ(place_module(config, 7, find_module(modules, 700), 0), placement::no_such_module);
  EXPECT_EQ(place_module(config, 7, find_module(modules, 956), 0), placement::no_such_module);
  EXPECT_EQ(place_module(config, 7, find_module(modules, 735), 2), placement::no_such_variant);
  EXPECT_EQ(place_module(config, 7, find_module(modules, 722), 9), placement::done);
  EXPECT_EQ(resolve_pins(config).groups[8].module, 722);
  // A new board empties every slot.
  ASSERT_TRUE(select_board(config, 709));
  EXPECT_EQ(resolve_pins(config).groups[8].kind, group_kind::empty);
  EXPECT_EQ(find_module(modules, 705), nullptr);
  EXPECT_FALSE(lookup_module_table(*find_module(modules, 706), 2));
}

TEST(Assembly, OrdersOfTheWarnings) {
  const std::pair<std::string, std::string> signals[] = {
      {"Z<1>", "A10"},   {"B", "LONGLOC2"}, {"A<0>", "A1"},    {"Z<4>", "A10"},
      {"C", "LONGLOC1"}, {"A<2>", "A1"},    {"D", "LONGLOC2"}, {"E", "LONGLOC1"}};
  pin_list pins;
  pins.groups.emplace_back();
  for (const auto& [name, location] : signals)
    pins.groups[0].pins.push_back(
        {name, location, 0, &direction_info(direction::se_in), check_name(name)});
  EXPECT_EQ(shared_locations(uses_by_location(pins)),
            "A1 (A<0> A<2>), A10 (Z<1> Z<4>), LONGLOC1 (C E), LONGLOC2 (B D)");
  EXPECT_EQ(missing_vector_bits(pins), "Z<2>, Z<3>, A<1>");
}

}  // namespace
}  // namespace hbpins
