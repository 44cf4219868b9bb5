#include "output/ucf_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace hbpins {
namespace {

std::string slot_text(const qm_module_type& slot) {
  std::ostringstream out;
  write_slot_ucf(slot, out);
  return out.str();
}

qm_module_type slot_with(std::uint8_t board_index, std::uint8_t module_index,
                         std::initializer_list<std::pair<int, pin_type>> pins) {
  qm_module_type slot;
  slot.hb_index = board_index;
  slot.qm_index = module_index;
  slot.slot = 2;
  for (const auto& [position, pin] : pins) slot.pins[position] = pin;
  return slot;
}

TEST(UcfWriter, ConstraintColumns) {
  const qm_module_type slot = slot_with(10, 22,
                                        {{3, {"QM2_DIN<5>", "F13", direction::se_in}},
                                         {6, {"PULLED_UP", "B1", direction::se_in_up}},
                                         {7, {"PULLED_DOWN", "B2", direction::se_bidir_dn}},
                                         {8, {"LVDS_P", "AF14", direction::lvds_in_p}},
                                         {9, {"LVDS_N", "C2", direction::lvds_out_n}}});
  EXPECT_EQ(
      slot_text(slot),
      "# QM722 on slot 2\n"
      "NET \"QM2_DIN<5>\"                       LOC = \"F13\"  | IOSTANDARD = LVTTL ;\n"
      "NET \"PULLED_UP\"                        LOC = \"B1\"   | IOSTANDARD = LVTTL | PULLUP ;\n"
      "NET \"PULLED_DOWN\"                      LOC = \"B2\"   | IOSTANDARD = LVTTL | PULLDOWN ;\n"
      "NET \"LVDS_P\"                           LOC = \"AF14\" | IOSTANDARD = LVDS_25 ;\n"
      "NET \"LVDS_N\"                           LOC = \"C2\"   | IOSTANDARD = LVDS_25 ;\n");
}

// Names of 31 and of 32 characters both get one blank before " LOC".
TEST(UcfWriter, LongNamesPushTheLineRight) {
  for (const std::size_t length : {31u, 32u}) {
    const std::string name(length, 'a');
    const qm_module_type slot = slot_with(10, 22, {{3, {name_text(name), "A3", direction::se_in}}});
    EXPECT_EQ(slot_text(slot),
              "# QM722 on slot 2\nNET \"" + name + "\"  LOC = \"A3\"   | IOSTANDARD = LVTTL ;\n");
  }
}

TEST(UcfWriter, PackagePinBoardsPrefixTheLocation) {
  const qm_module_type slot = slot_with(1, 22, {{3, {"QM2_DIN<5>", "46", direction::se_in}}});
  EXPECT_EQ(slot_text(slot),
            "# QM722 on slot 2\n"
            "NET \"QM2_DIN<5>\"                       LOC = \"P46\"   | IOSTANDARD = LVTTL ;\n");
}

TEST(UcfWriter, SlotHeadings) {
  // Stale names in nc records and in an emptied slot are never written.
  qm_module_type empty = slot_with(9, empty_module_index, {{3, {"OLD", "A1", direction::nc}}});
  EXPECT_EQ(slot_text(empty), "# Empty slot 2\n");
  empty.pins[3].dir = direction::se_in;  // an empty slot ends with its heading
  EXPECT_EQ(slot_text(empty), "# Empty slot 2\n");

  const qm_module_type general =
      slot_with(9, general_io_index, {{3, {"QM<2><3>", "P1", direction::se_bidir}}});
  EXPECT_EQ(slot_text(general),
            "# unspecified QM-Module on slot 2\n"
            "NET \"QM<2><3>\"                         LOC = \"P1\"   | IOSTANDARD = LVTTL ;\n");

  const qm_module_type unwired = slot_with(1, 6, {{3, {"STALE", "94", direction::nc}}});
  EXPECT_EQ(slot_text(unwired), "# QM706 on slot 2\n");
}

TEST(UcfWriter, RejectedBoardHasOnlyHeaderAndTiming) {
  hb_module_type config;
  config.hb_index = rejected_board_index;
  std::ostringstream out;
  write_ucf(config, out);
  EXPECT_EQ(out.str(),
            "# HB955\n"
            "# Timing\n"
            "NET \"\" TNM_NET = \"\";\n"
            "TIMESPEC \"TS_CLK\" = PERIOD \"\" 10 ns HIGH 50 %;\n");
}

TEST(UcfWriter, PadCount) {
  EXPECT_EQ(pad_count(32, 0), 32u);
  EXPECT_EQ(pad_count(32, 31), 1u);
  EXPECT_EQ(pad_count(32, 32), 1u);
  EXPECT_EQ(pad_count(32, 40), 1u);
}

}  // namespace
}  // namespace hbpins
