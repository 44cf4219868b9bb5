#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "assembly/board_configuration.h"
#include "driver/driver_branches.h"
#include "driver/driver_errors.h"
#include "run_helper.h"

namespace hbpins {
namespace {

using testing::run_line;
using testing::usage_error_text;

void expect_run(const std::vector<std::string>& line, int status, const std::string& output) {
  const auto result = run_line(line);
  std::string shown;
  for (const std::string& argument : line) shown += " " + argument;
  EXPECT_EQ(result.status, status) << shown;
  EXPECT_EQ(result.output, output) << shown;
}

void expect_usage_error(const std::vector<std::string>& line, const std::string& message,
                        const std::string& before = "") {
  expect_run(line, 1, before + usage_error_text(message));
}

TEST(BoardOption, WaysToName710) {
  const std::vector<std::vector<std::string>> lines = {
      {"-v", "-d", "710"},   {"-v", "HB710"},      {"-v", "hb710"},      {"-v", "-d", "HB710"},
      {"-v", "-d", "10"},    {"-v", "-d", "$2C6"}, {"-v", "-d", "x2c6"}, {"-v", "-d", "0710"},
      {"-v", "-D", "710"},   {"-v", "-dx", "710"}, {"-v", "Hb710"},      {"-v", "-d", " +710"},
      {"-v", "-d", "66246"},  // held in 16 bits: 65536 + 710
  };
  for (const auto& line : lines) expect_run(line, 0, "HB710\n");
}

// Arguments are read whole, however long: a long name must never turn into a
// shorter one.
TEST(BoardOption, LongArgumentsAreReadWhole) {
  const std::string zeros(300, '0');
  expect_run({"-v", "-d", zeros + "710"}, 0, "HB710\n");
  expect_run({"-v", "HB" + zeros + "9", "-s", zeros + "722-" + "1"}, 0,
             "HB709\nQM722-1 on slot 0\n");
}

TEST(BoardOption, Shorthands) {
  expect_run({"-v", "-d", "1"}, 0, "HB701\n");
  expect_run({"-v", "-d", "6"}, 0, "HB706\n");
  expect_run({"-v", "-d", "9"}, 0, "HB709\n");
  expect_run({"-v", "HB11"}, 0, "HB711\n");
}

TEST(BoardOption, WithoutVerboseNothingIsPrinted) {
  expect_run({"-d", "710"}, 0, "");
  expect_run({"HB709", "-s", "704"}, 0, "");
}

TEST(BoardOption, UnreadableOrForeignNumbers) {
  const std::vector<std::vector<std::string>> lines = {
      {"-d", "hb710"}, {"-d", "0"},   {"-d"},         {"-d", ""},      {"-d", "HB"},
      {"HBX"},         {"HB"},        {"-d", "2"},    {"-d", "699"},   {"-d", "720"},
      {"-d", "711x"},  {"-d", "-10"}, {"-d", "1711"}, {"-d", "HB 1x"},
  };
  for (const auto& line : lines) expect_usage_error(line, "Wrong HB type specified!");
}

// Numbers 700 to 719 reach the catalogue, which leaves a board without slots.
TEST(BoardOption, ACatalogueRejectionLeavesNoSlots) {
  expect_run({"-v", "-d", "700"}, 0, "Incorrect HB nr 700\nHB700\n");
  expect_run({"-d", "719"}, 0, "Incorrect HB nr 719\n");
  expect_usage_error({"-d", "700", "-s", "704"}, "Wrong QM slot specified!",
                     "Incorrect HB nr 700\n");
  expect_usage_error({"HB702", "-s0", "704"}, "Wrong QM slot specified!", "Incorrect HB nr 702\n");
  expect_usage_error({"HB705", "QM704"}, "Wrong QM slot specified!", "Incorrect HB nr 705\n");
}

TEST(BoardOption, OnlyOneBoardPerRun) {
  expect_usage_error({"-d", "710", "HB701"}, "HB type already specified!");
  expect_usage_error({"HB710", "-d", "710"}, "HB type already specified!");
  expect_usage_error({"-v", "-d", "700", "-d", "701"}, "HB type already specified!",
                     "Incorrect HB nr 700\nHB700\n");
}

TEST(ModuleOption, SlotCounterAndExplicitSlots) {
  expect_run({"-v", "-d", "709", "-s", "704", "-s", "706-1", "-s3", "704", "-s", "722", "QM955",
              "qm727", "-s0", "4", "-s7", "954"},
             0,
             "HB709\nQM704-0 on slot 0\nQM706-1 on slot 1\nQM704-0 on slot 3\n"
             "QM722-0 on slot 4\nQM955-0 on slot 5\nQM727-0 on slot 6\nQM704-0 on slot 0\n"
             "QM954-0 on slot 7\n");
  expect_run({"-v", "HB701", "-s$3", "953", "-S1", "QM704"}, 0,
             "HB701\nQM953-0 on slot 3\nQM704-0 on slot 1\n");
}

TEST(ModuleOption, SlotsBeyondTheBoard) {
  expect_usage_error({"-d", "709", "-s8", "704"}, "Wrong QM slot specified!");
  expect_usage_error({"-d", "710", "-s4", "704"}, "Wrong QM slot specified!");
  expect_usage_error({"-d", "710", "-sx", "704"}, "Wrong QM slot specified!");
  expect_usage_error({"-d", "710", "-s-1", "704"}, "Wrong QM slot specified!");
  expect_usage_error(
      {"-v", "-d", "710", "-s", "704", "-s", "704", "QM704", "-s", "704", "-s", "704"},
      "Wrong QM slot specified!",
      "HB710\nQM704-0 on slot 0\nQM704-0 on slot 1\nQM704-0 on slot 2\n"
      "QM704-0 on slot 3\n");
  expect_usage_error({"-d", "709", "-s7", "704", "-s", "704"}, "Wrong QM slot specified!");
  // Slot numbers are held in eight bits: 259 is slot 3.
  expect_run({"-v", "-d", "709", "-s259", "704"}, 0, "HB709\nQM704-0 on slot 3\n");
}

TEST(ModuleOption, ModuleNumbersAndIndexes) {
  expect_run({"-v", "-d", "710", "-s", "4", "-s", "$2C0", "-s", "qm722", "QM0x2D2"}, 0,
             "HB710\nQM704-0 on slot 0\nQM704-0 on slot 1\nQM722-0 on slot 2\n"
             "QM722-0 on slot 3\n");
  expect_run({"-v", "-d", "710", "-s", "955", "-s", "254", "-s", "953"}, 0,
             "HB710\nQM955-0 on slot 0\nQM954-0 on slot 1\nQM953-0 on slot 2\n");
}

// The catalogue reports the number and the slot keeps its module, but the
// slot counter moves on.
TEST(ModuleOption, UnsupportedModulesStillAdvanceTheSlot) {
  expect_run({"-v", "-d", "710", "-s", "705", "-s", "704"}, 0,
             "HB710\nIncorrect QM nr 705\nQM705-0 on slot 0\nQM704-0 on slot 1\n");
  expect_run({"-d", "710", "-s", "700", "-s", "0", "QM741"}, 0,
             "Incorrect QM nr 700\nIncorrect QM nr 700\nIncorrect QM nr 741\n");
  // Above 955 nothing is subtracted, so 956 is handed on as 1656.
  expect_run({"-v", "-d", "710", "-s", "956"}, 0,
             "HB710\nIncorrect QM nr 1656\nQM1656-0 on slot 0\n");
}

// The modification is read from at most two characters after the first "-".
TEST(ModuleOption, ModificationSuffix) {
  expect_run({"-v", "-d", "709", "-s", "735-1", "QM735-0", "-s", "707-$1", "-s", "704-123", "-s",
              "qm706-1"},
             0,
             "HB709\nQM735-1 on slot 0\nQM735-0 on slot 1\nQM707-1 on slot 2\n"
             "QM704-12 on slot 3\nQM706-1 on slot 4\n");
  expect_usage_error({"-d", "710", "-s", "704-x"}, "Wrong modification of QM704!");
  expect_usage_error({"-d", "710", "QM704-X"}, "Wrong modification of QM704!");
  expect_usage_error({"-d", "710", "-s", "qm704-"}, "Wrong modification of QM704!");
  expect_usage_error({"-d", "710", "-s", "706-1x"}, "Wrong modification of QM706!");
  expect_usage_error({"-d", "710", "-s", "abc-x"}, "Wrong modification of QMabc!");
  expect_usage_error({"-d", "710", "-s", "abc-1"}, "Wrong QM type specified!");
}

TEST(ModuleOption, UnreadableModules) {
  for (const std::vector<std::string>& line : std::vector<std::vector<std::string>>{
           {"-d", "710", "QMALL"},
           {"-d", "710", "-s"},
           {"-d", "710", "-s", ""},
           {"-d", "710", "-s", "Qm704"},
           {"-d", "710", "-s", "QM"},
           {"-d", "710", "-s", "7o4"},
       })
    expect_usage_error(line, "Wrong QM type specified!");
}

TEST(ModuleOption, TheModuleIsCheckedBeforeTheSlot) {
  expect_usage_error({"-d", "700", "-s", "704-x"}, "Wrong modification of QM704!",
                     "Incorrect HB nr 700\n");
  expect_usage_error({"-d", "700", "QMALL"}, "Wrong QM type specified!", "Incorrect HB nr 700\n");
}

// --- The options' effect on the configuration, seen from the driver state. ---

struct option_run {
  explicit option_run(std::vector<std::string> arguments) : args(std::move(arguments)) {}

  std::vector<std::string> args;
  std::ostringstream out;
  driver_state state{args, out};
};

std::string upper_cased(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// Handles the board or module option at the argument index.
void step(option_run& run) {
  const std::string a = upper_cased(run.args[run.state.index]);
  const std::string k = a.substr(0, 2);
  if (k == "-D" || k == "HB")
    board_option(run.state, a, k);
  else
    module_option(run.state, a, k);
}

TEST(BoardAndModuleOptions, FillTheConfiguration) {
  option_run run({"hbpins", "-d", "709", "-s", "704", "-s", "706-1", "-s3", "735", "QM955"});
  step(run);
  EXPECT_EQ(run.state.index, 3u);
  EXPECT_TRUE(run.state.board_chosen);
  EXPECT_EQ(board_number(run.state.config), 709);
  for (const qm_module_type& slot : run.state.config.slots) EXPECT_EQ(slot.qm_index, 254);
  step(run);
  step(run);
  step(run);
  EXPECT_EQ(run.state.index, 9u);
  step(run);
  EXPECT_EQ(run.state.index, 10u);
  EXPECT_EQ(run.state.next_slot, 5);
  EXPECT_EQ(run.out.str(), "");
  const auto& slots = run.state.config.slots;
  EXPECT_EQ(module_number(slots[0]), 704);
  EXPECT_EQ(module_number(slots[1]), 706);
  EXPECT_EQ(slots[1].modification, 1);
  EXPECT_EQ(slots[1].pins[31].name.view(), "QM1_LED2n");  // only in the second table
  EXPECT_EQ(module_number(slots[2]), 954);
  EXPECT_EQ(module_number(slots[3]), 735);
  EXPECT_EQ(slots[3].pins[3].name.view(), "QM3_CLKn");
  EXPECT_EQ(slots[3].pins[3].loc.view(), "AD13");
  EXPECT_EQ(module_number(slots[4]), 955);
  EXPECT_EQ(slots[4].pins[34].name.view(), "QM<4><34>");
}

TEST(BoardAndModuleOptions, ALaterPlacementReplacesTheModule) {
  option_run run({"hbpins", "HB710", "-s1", "722", "-s1", "954"});
  step(run);
  step(run);
  EXPECT_EQ(module_number(run.state.config.slots[1]), 722);
  step(run);
  EXPECT_EQ(module_number(run.state.config.slots[1]), 954);
  for (const pin_type& pin : run.state.config.slots[1].pins.entries)
    EXPECT_EQ(pin.dir, direction::nc);
}

TEST(BoardAndModuleOptions, NoModuleAfterAnOutputFile) {
  for (bool ucf : {true, false}) {
    option_run run({"hbpins", "-d", "710", "-s", "704"});
    step(run);
    (ucf ? run.state.ucf_written : run.state.vhdl_written) = true;
    try {
      step(run);
      ADD_FAILURE() << "the module option went through";
    } catch (const usage_error& error) {
      EXPECT_EQ(error.message, "First specify all QMs and then write the output files!");
    }
    EXPECT_EQ(module_number(run.state.config.slots[0]), 954);
  }
}

}  // namespace
}  // namespace hbpins
