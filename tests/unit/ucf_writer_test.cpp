// The columns and standards of constraint lines that no catalogue board
// reaches: names of 31 characters and more, and the pull-down directions.

#include "output/ucf/ucf_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hbpins {
namespace {

TEST(UcfWriter, LongNamesAndEveryStandard) {
  pin_list pins;
  pins.board_number = 701;
  pins.location_prefix = "P";
  pins.groups.emplace_back();
  const auto add = [&pins](std::string name, std::string location, direction dir) {
    pins.groups[0].pins.push_back({name, location, 0, &direction_info(dir)});
  };
  add(std::string(31, 'a'), "P1", direction::se_in_dn);
  add(std::string(32, 'b'), "P205", direction::se_bidir_dn);
  add(std::string(33, 'c'), "P20", direction::se_bidir_up);
  add("TX_p", "P7", direction::lvds_out_p);
  std::ostringstream out;
  write_ucf(pins, out);
  EXPECT_EQ(
      out.str(),
      "# HB701\n"
      "NET \"" +
          std::string(31, 'a') +
          "\"  LOC = \"P1\"    | IOSTANDARD = LVTTL | PULLDOWN ;\n"
          "NET \"" +
          std::string(32, 'b') +
          "\"  LOC = \"P205\"  | IOSTANDARD = LVTTL | PULLDOWN ;\n"
          "NET \"" +
          std::string(33, 'c') +
          "\"  LOC = \"P20\"   | IOSTANDARD = LVTTL | PULLUP ;\n"
          "NET \"TX_p\"                             LOC = \"P7\"    | IOSTANDARD = LVDS_25 ;\n"
          "# Timing\n"
          "NET \"" +
          std::string(31, 'a') + "\" TNM_NET = \"" + std::string(31, 'a') +
          "\";\n"
          "TIMESPEC \"TS_CLK\" = PERIOD \"" +
          std::string(31, 'a') + "\" 10 ns HIGH 50 %;\n");
}

}  // namespace
}  // namespace hbpins
