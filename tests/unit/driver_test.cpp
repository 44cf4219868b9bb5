#include <gtest/gtest.h>

#include "run_helper.h"

namespace hbpins {
namespace {

using testing::run_line;
using testing::usage_error_text;
using testing::usage_text;

TEST(Driver, NoArgumentsPrintsTheUsageAlone) {
  auto [status, output] = run_line({});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(output, usage_text);
}

TEST(Driver, UnknownOptionIsIllegal) {
  for (const char* argument : {"-x", "xyz", "", "-", "Q", "abc"}) {
    auto [status, output] = run_line({argument});
    EXPECT_EQ(status, 1) << argument;
    EXPECT_EQ(output, usage_error_text("Illegal command line option!")) << argument;
  }
}

TEST(Driver, SwitchesAreTakenByTheirFirstTwoCharacters) {
  for (const char* argument : {"-v", "-verbose", "-V", "-1", "-1x", "-2", "-w", "-Wiki"}) {
    auto [status, output] = run_line({argument});
    EXPECT_EQ(status, 0) << argument;
    EXPECT_EQ(output, "") << argument;
  }
}

TEST(Driver, ModuleOptionBeforeABoardNeedsTheBoard) {
  auto [status, output] = run_line({"-s", "704"});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(output, usage_error_text("HB type not specified!"));
}

TEST(Driver, AnErrorStopsTheRunAtOnce) {
  auto [status, output] = run_line({"-v", "-x", "-y"});
  EXPECT_EQ(status, 1);
  EXPECT_EQ(output, usage_error_text("Illegal command line option!"));
}

}  // namespace
}  // namespace hbpins
