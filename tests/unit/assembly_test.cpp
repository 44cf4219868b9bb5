// The assembly's own guards, which the command line never trips because it
// checks numbers and slots itself first: they keep a caller from reading or
// writing outside the catalogue; and orders of the warnings no catalogue board
// shows: locations by name, long ones by their texts, vectors as they come.

#include <gtest/gtest.h>

#include "assembly/pin_list.h"
#include "catalogue/run_catalogue.h"
#include "output/report/pin_conflicts.h"

namespace hbpins {
namespace {

TEST(Assembly, RefusesWhatTheCatalogueLacks) {
  const run_catalogue catalogue;
  board_configuration config;
  EXPECT_EQ(place_module(config, 0, find_module(catalogue, 722), 0), placement::no_such_slot);
  EXPECT_FALSE(has_board(config));
  EXPECT_EQ(slot_count(config), 0u);
  const pin_list unconfigured = resolve_pins(config);
  EXPECT_EQ(unconfigured.board_number, number_base);
  ASSERT_EQ(unconfigured.groups.size(), 1u);
  EXPECT_TRUE(unconfigured.board_signals().pins.empty());
  // A board of more slots than a configuration holds is refused whole.
  const std::vector<slot_wiring> too_many(max_slots + 1);
  EXPECT_FALSE(select_board(config, {799, "", {}, too_many, {}}));
  EXPECT_FALSE(has_board(config));
  const board_entry& last = builtin_boards.back();
  ASSERT_TRUE(select_board(config, last));
  EXPECT_EQ(board_number(config), last.number);
  const auto slots = static_cast<std::uint32_t>(slot_count(last));
  EXPECT_EQ(slot_count(config), slots);
  EXPECT_EQ(place_module(config, slots, find_module(catalogue, 722), 0), placement::no_such_slot);
  EXPECT_EQ(place_module(config, slots - 1, find_module(catalogue, 700), 0),
            placement::no_such_module);
  EXPECT_EQ(place_module(config, slots - 1, find_module(catalogue, 956), 0),
            placement::no_such_module);
  EXPECT_EQ(place_module(config, slots - 1, find_module(catalogue, 735), 2),
            placement::no_such_variant);
  EXPECT_EQ(place_module(config, slots - 1, find_module(catalogue, 722), 9), placement::done);
  EXPECT_EQ(resolve_pins(config).groups[slots].module, 722);
  // A new board empties every slot.
  ASSERT_TRUE(select_board(config, last));
  EXPECT_EQ(resolve_pins(config).groups[slots].kind, group_kind::empty);
  EXPECT_EQ(find_module(catalogue, 705), nullptr);
  EXPECT_FALSE(lookup_module_table(*find_module(catalogue, 706), 2));
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
