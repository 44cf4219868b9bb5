#include "output/pinout_listing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/module_catalogue.h"
#include "run_helper.h"

namespace hbpins {
namespace {

using testing::run_line;

std::string listing(std::uint16_t number, table_format layout) {
  std::ostringstream out;
  print_module_pinout(out, number, layout);
  return out.str();
}

std::string pin_rows(const module_pin_table& table, table_format layout) {
  std::ostringstream out;
  print_pin_rows(out, table, layout);
  return out.str();
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string header(int number) {
  return "QM" + std::to_string(number) + " pin table (direction shown for the QM board!)\n";
}

const std::string wrong_number = "Wrong QM Nr.!\n";

// Lines 1, 3, 23 and 24 of module 733's table, whose two signals sit on 23 and 24.
TEST(PinoutListing, OneColumnLinesOfModule733) {
  const std::vector<std::string> lines = lines_of(listing(733, table_format::text1c));
  ASSERT_EQ(lines.size(), 37u);
  EXPECT_EQ(lines[0] + "\n", header(733));
  EXPECT_EQ(lines[1], " 1            +5V    in  power");
  EXPECT_EQ(lines[3], " 3              -     -     NC");
  EXPECT_EQ(lines[23], "23         OPT_IN   out  LVTTL");
  EXPECT_EQ(lines[24], "24        OPT_OUT    in  LVTTL");
  EXPECT_EQ(lines[36], "36            GND    in  power");
}

TEST(PinoutListing, TwoColumnLinesKeepTheirTrailingBlanks) {
  const std::vector<std::string> lines = lines_of(listing(733, table_format::text2c));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[1], "  power    in            +5V  2    1 +5V             in     power  ");
  EXPECT_EQ(lines[12], "  LVTTL    in        OPT_OUT 24   23 OPT_IN          out    LVTTL  ");
  EXPECT_EQ(lines[18], "  power    in            GND 36   35 GND             in     power  ");
}

TEST(PinoutListing, LvdsPairSharesOneTwoColumnLine) {
  const std::vector<std::string> lines = lines_of(listing(703, table_format::text2c));
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[2], " LVDS_n   out      D_IN_n<1>  4    3 D_IN_p<1>       out    LVDS_p ");
}

// The table holds the FPGA's view; the listing shows the module's.
TEST(PinoutListing, EveryDirectionIsListedAsTheModuleSeesIt) {
  const qm_pin_row_type rows[] = {{"IN", direction::se_in},
                                  {"IN_UP", direction::se_in_up},
                                  {"IN_DN", direction::se_in_dn},
                                  {"OUT", direction::se_out},
                                  {"BIDIR", direction::se_bidir},
                                  {"BIDIR_UP", direction::se_bidir_up},
                                  {"BIDIR_DN", direction::se_bidir_dn},
                                  {"RX_P", direction::lvds_in_p},
                                  {"RX_N", direction::lvds_in_n},
                                  {"TX_P", direction::lvds_out_p},
                                  {"TX_N", direction::lvds_out_n},
                                  {"NC", direction::nc}};
  const std::vector<std::string> lines = lines_of(pin_rows({3, rows}, table_format::text1c));
  ASSERT_EQ(lines.size(), 36u);
  const std::vector<std::string> signal_lines(lines.begin() + 2, lines.begin() + 15);
  EXPECT_EQ(signal_lines, (std::vector<std::string>{
                              " 3             IN   out  LVTTL",
                              " 4          IN_UP   out  LVTTL",
                              " 5          IN_DN   out  LVTTL",
                              " 6            OUT    in  LVTTL",
                              " 7          BIDIR bidir  LVTTL",
                              " 8       BIDIR_UP bidir  LVTTL",
                              " 9       BIDIR_DN bidir  LVTTL",
                              "10           RX_P   out LVDS_p",
                              "11           RX_N   out LVDS_n",
                              "12           TX_P    in LVDS_p",
                              "13           TX_N    in LVDS_n",
                              "14              -     -     NC",
                              "15              -     -     NC",
                          }));
}

// Names longer than their column are written whole and push the line right.
TEST(PinoutListing, LongNamesAreNeverCut) {
  const qm_pin_row_type rows[] = {{"ABCDEFGHIJKLMNOP", direction::se_out},
                                  {"ABCDEFGHIJKLMNO", direction::se_in}};
  const module_pin_table table{3, rows};
  EXPECT_EQ(lines_of(pin_rows(table, table_format::text1c))[2], " 3ABCDEFGHIJKLMNOP    in  LVTTL");
  EXPECT_EQ(lines_of(pin_rows(table, table_format::text2c))[1],
            "  LVTTL   outABCDEFGHIJKLMNO  4    3 ABCDEFGHIJKLMNOP  in     LVTTL  ");
}

TEST(PinoutListing, ModulesWithTwoVariantsListBoth) {
  const std::vector<std::string> lines = lines_of(listing(706, table_format::text1c));
  ASSERT_EQ(lines.size(), 75u);
  EXPECT_EQ(lines[1], "modification 1");
  EXPECT_EQ(lines[31], "30              -     -     NC");
  EXPECT_EQ(lines[38], "modification 2");
  EXPECT_EQ(lines[68], "30        DIO1OUT    in  LVTTL");
}

TEST(PinoutListing, WikiLayoutWritesTheHeaderLinesOnly) {
  EXPECT_EQ(listing(710, table_format::wiki1c), header(710));
  EXPECT_EQ(listing(707, table_format::wiki1c), header(707) + "modification 1\nmodification 2\n");
}

TEST(PinoutListing, RefusedNumbersWriteOneLine) {
  for (std::uint16_t number : {953, 954, 955, 705, 741, 300, 253, 5, 956, 65535}) {
    for (table_format layout : {table_format::text1c, table_format::text2c, table_format::wiki1c})
      EXPECT_EQ(listing(number, layout), wrong_number) << number;
  }
}

TEST(PinoutListing, NumbersBelow700AreModuleIndexes) {
  EXPECT_EQ(listing(35, table_format::text1c), listing(735, table_format::text1c));
  EXPECT_EQ(listing(0, table_format::text2c), listing(700, table_format::text2c));
}

TEST(PinoutListing, Module722SharesThePinLinesOf700) {
  const std::string pins_700 = listing(700, table_format::text1c).substr(header(700).size());
  EXPECT_EQ(listing(722, table_format::text1c), header(722) + pins_700);
}

TEST(PinoutListing, Module727UsesPins27To32Only) {
  const std::vector<std::string> lines = lines_of(listing(727, table_format::text1c));
  for (int pin = 3; pin <= 34; ++pin) {
    const bool unused = lines[pin].ends_with("              -     -     NC");
    EXPECT_EQ(unused, pin < 27 || pin > 32) << lines[pin];
  }
  EXPECT_EQ(lines[27], "27        TOSI<1>   out  LVTTL");
  EXPECT_EQ(lines[32], "32        TOSO<3>    in  LVTTL");
}

// The power pins are the same on every slot connector, whatever the module.
TEST(PinoutListing, PowerPinsAreTheSameForEveryModule) {
  for (std::uint16_t index = 0; index <= 40; ++index) {
    if (!is_supported_module(index)) continue;
    for (const module_pin_table& table : module_variants(index)) {
      const std::vector<std::string> one = lines_of(pin_rows(table, table_format::text1c));
      ASSERT_EQ(one.size(), 36u);
      EXPECT_EQ(one[0], " 1            +5V    in  power");
      EXPECT_EQ(one[1], " 2            +5V    in  power");
      EXPECT_EQ(one[34], "35            GND    in  power");
      EXPECT_EQ(one[35], "36            GND    in  power");
      const std::vector<std::string> two = lines_of(pin_rows(table, table_format::text2c));
      ASSERT_EQ(two.size(), 18u);
      EXPECT_EQ(two[0], "  power    in            +5V  2    1 +5V             in     power  ");
      EXPECT_EQ(two[17], "  power    in            GND 36   35 GND             in     power  ");
      for (const std::string& line : one) EXPECT_EQ(line.size(), 30u) << line;
      for (const std::string& line : two) EXPECT_EQ(line.size(), 67u) << line;
    }
  }
}

TEST(ListingArgument, NumbersAreReadByTheCommandLineRule) {
  const std::string module_733 = listing(733, table_format::text1c);
  for (const char* argument : {"QM733", "qm733", "Qm+733", "QM$2DD", "QMx2dd", "QM 733"})
    EXPECT_EQ(run_line({argument}).output, module_733) << argument;
  // Held in 16 bits: 66236 is 700 plus 65536.
  EXPECT_EQ(run_line({"QM66236"}).output, listing(700, table_format::text1c));
  EXPECT_EQ(run_line({"QM0"}).output, listing(700, table_format::text1c));
  EXPECT_EQ(run_line({"QM35"}).output, listing(735, table_format::text1c));
}

TEST(ListingArgument, RefusedModulesLetTheRunGoOn) {
  auto [status, output] = run_line({"QM953", "QM954", "QM955", "QM705", "QM300", "-W", "QM733"});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output,
            wrong_number + wrong_number + wrong_number + wrong_number + wrong_number + header(733));
}

TEST(ListingArgument, AnythingElseAfterQmIsIgnored) {
  for (const char* argument : {"QM", "QMA", "QMALLX", "QM-1", "QM7x", "QM99999999999999999999"}) {
    auto [status, output] = run_line({argument, "-W", "QM709"});
    EXPECT_EQ(status, 0) << argument;
    EXPECT_EQ(output, header(709)) << argument;
  }
}

TEST(ListingArgument, LayoutAppliesToLaterListingsOnly) {
  auto [status, output] = run_line({"-W", "QM710", "-1", "QM710"});
  EXPECT_EQ(status, 0);
  EXPECT_EQ(output, header(710) + listing(710, table_format::text1c));
}

TEST(ListingArgument, AllListsTheCatalogueModulesAndEndsTheRun) {
  auto [status, output] = run_line({"-w", "qmall", "-x"});
  EXPECT_EQ(status, 0);
  std::string expected;
  for (int number :
       {700, 701, 702, 703, 704, 706, 707, 709, 710, 711, 712, 713, 714, 715, 717, 720,
        721, 722, 724, 725, 726, 727, 728, 730, 731, 733, 734, 735, 736, 737, 739, 740}) {
    expected += '\n';
    expected += header(number);
    if (number == 706 || number == 707 || number == 735)
      expected += "modification 1\nmodification 2\n";
  }
  EXPECT_EQ(output, expected);
}

}  // namespace
}  // namespace hbpins
