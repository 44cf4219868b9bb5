// The module pin tables are long hand transcriptions. These tests hold them
// against an independent summary of each variant (first position, row count,
// the names gathered per direction, the count of unconnected rows) and against
// the conventions every module follows.

#include "catalogue/module_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace hbpins {
namespace {

struct variant_summary {
  int number;
  int variant;
  int first;
  int rows;
  int first_used;
  int last_used;
  const char* signals;  // names per direction; a<1..8> for vector bits
};

const variant_summary summaries[] = {
    {700, 0, 3, 21, 3, 23, "se_in: DIN<1..5>; se_out: DOUT<1..5>, DOEn<1..5>, LEDn<1..5>; nc: 1"},
    {701, 0, 3, 28, 3, 30,
     "se_out: OE_A_n, DIR_A, DIR_B, OE_B_n, LED_n<1..8>; se_bidir: A<1..8>, B<1..8>"},
    {702, 0, 4, 11, 4, 14, "se_out: CS_n, SCLK, SDIN, SHDN_n; se_in: SDOUT, SSTRB; nc: 5"},
    {703, 0, 3, 30, 3, 32,
     "lvds_in_p: D_IN_p<1..4>; lvds_in_n: D_IN_n<1..4>; se_out: SDI_DAC, SCLK_DAC, LDAC_n, "
     "CS_TH_n, CS_HYS_n, DOUT<1..4>, DOE_n<1..4>, LED_n<1..5>; se_in: DIN<1..4>"},
    {704, 0, 3, 30, 3, 32,
     "se_in: INTTL<1..5>, INECL<1..5>; se_out: OUTP<1..5>, OE_n<1..5>, LED_n<1..5>, TERM<1..5>"},
    {706, 0, 3, 29, 3, 31,
     "se_in: CLKout, DATA<0..13>, DIO2IN, DIO1IN; se_out: RESET, SCLKn, SEn, SDATA, DIO1OUT, CLKp, "
     "DIO2OEn, DIO2OUT, DIO1OEn, CLKn; nc: 2"},
    {706, 1, 3, 30, 3, 32,
     "se_in: CLKout, DATA<0..13>, OVR, DIO2IN, DIO1IN; se_out: RESET, SCLKn, SEn, SDATA, CLKp, "
     "CLKn, DIO2OEn, DIO2OUT, DIO1OEn, DIO1OUT, LED2n, LED1n"},
    {707, 0, 3, 16, 3, 18, "se_in: LVDS_I<1..8>; se_out: LVDS_O<1..8>"},
    {707, 1, 3, 32, 3, 34,
     "se_out: EN_O<1..4>, LVDS_O<1..8>, EN_I<1..4>, LED<1..2>; se_in: LVDS_I<1..8>; nc: 6"},
    {709, 0, 3, 8, 3, 10, "se_bidir: TSEN<0..7>"},
    {710, 0, 3, 30, 3, 32, "se_out: DATA1<0..13>, LOAD1, LOAD2, DATA2<0..13>"},
    {711, 0, 3, 32, 3, 34,
     "se_out: DATA<0..7>, DELIN<1..6>, LE<1..6>; se_in: DELOUT<1..6>, REF<1..6>"},
    {712, 0, 3, 12, 3, 14,
     "se_out: CS2n, CS1n, SCLK2, SCLK1, SDOUT2, SDOUT1, SHDN2n, SHDN1n; se_in: SDIN2, SDIN1, "
     "SSTR2n, SSTR1n"},
    {713, 0, 4, 27, 4, 30,
     "se_out: CLR_n, SYNC_n, SDIN, SCLK_n, SPI, PD, DCEN_ADI, LDAC_n, RESET_n, MON_IN2, MON_IN1; "
     "se_in: SDOUT, BUSY, MONOUT; nc: 13"},
    {714, 0, 3, 31, 3, 33,
     "se_out: TKIn, PULSE, TCLK, TDI, FRSTn, CLK, HOLD, RCLK, TMS, TRSTb, CLKn, SCLKn, SDATA, SEn, "
     "RESET; se_in: TRIGGER, DATA<0..13>, TDO"},
    {715, 0, 3, 5, 3, 7, "se_out: SEn, PR_n, SCLK, SHDN_n, SDATA"},
    {717, 0, 3, 29, 3, 31,
     "se_in: CLKout, DATA<0..13>, DIO_IN; se_out: RESET, SCLKn, SEn, SDATA, CLKn, CLKp, DIO_OEn, "
     "DIO_OUT, QRESETn, QSHORTn, LEDn; nc: 2"},
    {720, 0, 3, 8, 3, 10, "se_out: CS2n, CS1n, SCLK2, SCLK1, SDOUT2, SDOUT1; se_in: SDIN2, SDIN1"},
    {721, 0, 5, 8, 5, 12, "se_out: SYNC2n, SYNC1n, DOUT2, DOUT1, SCLK2, SCLK1, LDAC2n, LDAC1n"},
    {722, 0, 3, 21, 3, 23, "se_in: DIN<1..5>; se_out: DOUT<1..5>, DOEn<1..5>, LEDn<1..5>; nc: 1"},
    {724, 0, 3, 14, 3, 16,
     "se_in: DIN<1..2>, TOSI<1..3>; se_out: DOUT<1..2>, DOEn<1..2>, LEDn<1..2>, TOSO<1..3>"},
    {725, 0, 3, 15, 3, 17, "se_in: ECL_IN<1..8>; se_out: EN1_4, EN5_8; nc: 5"},
    {726, 0, 3, 32, 3, 34, "se_out: LEDn<1..32>"},
    {727, 0, 27, 6, 27, 32, "se_in: TOSI<1..3>; se_out: TOSO<1..3>"},
    {728, 0, 3, 8, 3, 10,
     "se_out: ADC_CLK, ADC_CVn, ADC_A0, ADC_A1, DAC_DOUT, DAC_SYNCn, DAC_CLK; se_in: ADC_DIN"},
    {730, 0, 3, 28, 3, 30,
     "se_bidir: D<0..15>; se_out: READ_n, REQ, Addr<0..2>, CMD_n, CLK, CRE, HISTO, RESET, DAC; "
     "se_in: READY"},
    {731, 0, 3, 8, 3, 10, "se_out: FIN<0..3>, RIN<0..3>"},
    {733, 0, 23, 2, 23, 24, "se_in: OPT_IN; se_out: OPT_OUT"},
    {734, 0, 3, 32, 3, 34,
     "se_out: IO_RST, EXT_MCLK, SYNC_SMP_E, IO_UPDATE, RAM_SWP_OV, DR_OVER, I2C_SCL, F<0..1>, "
     "TX_ENA, PD_CLK; se_bidir: D<0..15>, I2C_SDA; se_in: PLL_LOCK, SYNC_CLK_O; nc: 2"},
    {735, 0, 3, 32, 3, 34,
     "se_out: CLKn, CLKp, SPARE<0..6>, RESET, SCL, SEn, SCLKn, SDATA; se_in: DATA<0..13>, SDRD; "
     "se_bidir: SDA; nc: 2"},
    {735, 1, 3, 32, 3, 34,
     "se_out: SCL, GI_GATE, SPARE<1..3>, FREQ<0..1>, CLK_CPU, RESET, SEn, SDATA, SCLKn, CLKn, "
     "CLKp; se_bidir: SDA; se_in: DATA<0..13>, SDRD; nc: 2"},
    {736, 0, 8, 25, 8, 32,
     "se_in: CMP_SE<1..2>; lvds_in_p: CMP_Dp<1..2>; lvds_in_n: CMP_Dn<1..2>; se_out: SCLK_DAC, "
     "SDI_DAC, CS_DACn, LED_CMPn<1..2>, LED_NIMn<1..2>; nc: 12"},
    {737, 0, 3, 32, 3, 34,
     "se_out: TD<0..9>, LOOPB, SYNCEN, ENABLE, TX_DIS, SCL; se_in: CLK_F, LOS, RBCO, RD<0..9>, "
     "TX_FAULT, SYNC_PASS, RX_LOS; se_bidir: SDA"},
    {739, 0, 3, 32, 3, 34,
     "se_in: FPGA_TDI, FPGA_TCK, FPGA_TMS, FPGA_DONE, FPGA_CCLK; se_bidir: ACBUS<0..7>, F_INIT_B, "
     "ADBUS<0..7>, BCBUS<0..5>, BC6_PROG_E; se_out: FPGA_TDO, F_PROG_B, U_RST"},
    {740, 0, 7, 16, 7, 22,
     "se_in: COMP<1..4>, ADC_SDO; se_out: ADC_SCLK, ADC_CONV, IVC_RST, DAC_SCLK, SER_SW, DAC_DIN, "
     "DAC_SYNC; nc: 4"},
    {953, 0, 3, 32, 3, 34, "se_bidir: IO<0..31>"},
};

const char* direction_name(direction dir) {
  static const char* const names[] = {"se_in",     "se_in_up",    "se_in_dn",    "se_out",
                                      "se_bidir",  "se_bidir_up", "se_bidir_dn", "lvds_in_p",
                                      "lvds_in_n", "lvds_out_p",  "lvds_out_n",  "nc"};
  return names[static_cast<int>(dir)];
}

// Gathers the names of a table per direction, in order of first appearance,
// writing vector bits of one base as base<low..high>; the count of nc rows
// comes last.
std::string summarise(std::span<const qm_pin_row_type> rows) {
  struct group {
    std::vector<std::string> bases;
    std::map<std::string, std::pair<int, int>> ranges;
  };
  std::vector<direction> order;
  std::map<direction, group> groups;
  int nc_rows = 0;
  for (const qm_pin_row_type& row : rows) {
    if (row.dir == direction::nc) {
      ++nc_rows;
      continue;
    }
    if (!groups.contains(row.dir)) order.push_back(row.dir);
    group& g = groups[row.dir];
    std::string name(row.name.view());
    std::string base = name;
    int bit = -1;
    if (std::size_t open = name.find('<'); open != std::string::npos) {
      base = name.substr(0, open);
      bit = std::stoi(name.substr(open + 1));
    }
    if (!g.ranges.contains(base)) {
      g.bases.push_back(base);
      g.ranges[base] = {bit, bit};
    }
    auto& [low, high] = g.ranges[base];
    low = std::min(low, bit);
    high = std::max(high, bit);
  }
  std::string text;
  for (direction dir : order) {
    if (!text.empty()) text += "; ";
    text += direction_name(dir);
    text += ": ";
    const group& g = groups[dir];
    for (std::size_t i = 0; i < g.bases.size(); ++i) {
      if (i > 0) text += ", ";
      text += g.bases[i];
      auto [low, high] = g.ranges.at(g.bases[i]);
      if (low >= 0) {
        text += '<';
        text += std::to_string(low);
        text += "..";
        text += std::to_string(high);
        text += '>';
      }
    }
  }
  if (nc_rows > 0)
    text += (text.empty() ? "" : "; ") + std::string("nc: ") + std::to_string(nc_rows);
  return text;
}

TEST(ModuleCatalogue, EveryVariantMatchesItsSummary) {
  int checked = 0;
  for (const variant_summary& summary : summaries) {
    SCOPED_TRACE(summary.number);
    std::span<const module_pin_table> variants = module_variants(summary.number - 700);
    ASSERT_LT(summary.variant, static_cast<int>(variants.size()));
    const module_pin_table& table = variants[summary.variant];
    EXPECT_EQ(table.first_position, summary.first);
    EXPECT_EQ(static_cast<int>(table.rows.size()), summary.rows);
    EXPECT_EQ(table.first_position, summary.first_used);
    EXPECT_EQ(table.first_position + static_cast<int>(table.rows.size()) - 1, summary.last_used);
    EXPECT_EQ(summarise(table.rows), summary.signals);
    ++checked;
  }
  EXPECT_EQ(checked, 36);
}

TEST(ModuleCatalogue, SupportedSetHoldsExactlyTheThirtyFiveModules) {
  const std::set<int> expected = {700, 701, 702, 703, 704, 706, 707, 709, 710, 711, 712, 713,
                                  714, 715, 717, 720, 721, 722, 724, 725, 726, 727, 728, 730,
                                  731, 733, 734, 735, 736, 737, 739, 740, 953, 954, 955};
  std::set<int> supported;
  for (int index = 0; index < 300; ++index)
    if (is_supported_module(static_cast<std::uint16_t>(index))) supported.insert(index + 700);
  EXPECT_EQ(supported, expected);
  EXPECT_FALSE(is_supported_module(256));
  EXPECT_FALSE(is_supported_module(700));
}

TEST(ModuleCatalogue, VariantCounts) {
  for (int number : {706, 707, 735}) EXPECT_EQ(module_variants(number - 700).size(), 2u) << number;
  for (int number : {954, 955}) EXPECT_TRUE(module_variants(number - 700).empty()) << number;
  EXPECT_EQ(module_variants(253).size(), 1u);
  EXPECT_TRUE(module_variants(5).empty());
}

TEST(ModuleCatalogue, ConventionsHoldForEveryRow) {
  const std::set<direction> allowed = {direction::se_in,     direction::se_out,
                                       direction::se_bidir,  direction::lvds_in_p,
                                       direction::lvds_in_n, direction::nc};
  for (int index = 0; index < 256; ++index) {
    int variant = 0;
    for (const module_pin_table& table : module_variants(static_cast<std::uint16_t>(index))) {
      SCOPED_TRACE(std::to_string(index + 700) + " variant " + std::to_string(variant++));
      EXPECT_GE(table.first_position, first_position);
      EXPECT_LE(table.first_position + table.rows.size() - 1,
                static_cast<std::size_t>(last_position));
      std::set<std::string> names;
      for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const qm_pin_row_type& row = table.rows[k];
        const int position = table.first_position + static_cast<int>(k);
        EXPECT_TRUE(allowed.contains(row.dir)) << row.name.view();
        EXPECT_LE(row.name.size(), 11u) << row.name.view();
        EXPECT_EQ(row.dir == direction::nc, row.name == "NC") << position;
        if (row.dir != direction::nc) {
          EXPECT_TRUE(names.insert(std::string(row.name.view())).second) << row.name.view();
        }
        if (row.dir == direction::lvds_in_p) {
          EXPECT_EQ(position % 2, 1) << row.name.view();
          ASSERT_LT(k + 1, table.rows.size());
          EXPECT_EQ(table.rows[k + 1].dir, direction::lvds_in_n);
        }
        if (row.dir == direction::lvds_in_n) {
          EXPECT_EQ(position % 2, 0) << row.name.view();
          EXPECT_EQ(table.rows[k - 1].dir, direction::lvds_in_p);
        }
      }
    }
  }
}

TEST(ModuleCatalogue, LookupChoosesTheVariantByModification) {
  auto first_name = [](int number, int modification) {
    auto table = lookup_module_table(static_cast<std::uint8_t>(number - 700),
                                     static_cast<std::uint8_t>(modification));
    return table ? std::string(table->rows[0].name.view()) : std::string("none");
  };
  EXPECT_EQ(first_name(735, 0), "CLKn");
  EXPECT_EQ(first_name(735, 1), "SCL");
  EXPECT_EQ(first_name(735, 2), "none");
  EXPECT_EQ(first_name(706, 7), "none");
  EXPECT_EQ(first_name(710, 1), "DATA1<1>");
  EXPECT_EQ(first_name(711, 5), "DATA<0>");
  EXPECT_EQ(first_name(953, 3), "IO<0>");
  EXPECT_EQ(first_name(954, 0), "none");
  EXPECT_EQ(first_name(955, 0), "none");
  EXPECT_EQ(first_name(705, 0), "none");
}

TEST(ModuleCatalogue, Module722SharesTheTableOf700) {
  auto qm700 = lookup_module_table(0, 0);
  auto qm722 = lookup_module_table(22, 0);
  ASSERT_TRUE(qm700 && qm722);
  EXPECT_EQ(qm700->first_position, qm722->first_position);
  EXPECT_EQ(qm700->rows.data(), qm722->rows.data());
  EXPECT_EQ(qm700->rows.size(), qm722->rows.size());
}

TEST(ModuleCatalogue, SignalsOnPosition34) {
  std::set<std::string> with_position_34;
  for (int index = 0; index < 256; ++index) {
    int variant = 0;
    for (const module_pin_table& table : module_variants(static_cast<std::uint16_t>(index))) {
      ++variant;
      if (table.first_position + table.rows.size() - 1 == 34 &&
          table.rows.back().dir != direction::nc)
        with_position_34.insert(std::to_string(index + 700) + "/" + std::to_string(variant));
    }
  }
  const std::set<std::string> expected = {"707/2", "711/1", "726/1", "734/1", "735/1",
                                          "735/2", "737/1", "739/1", "953/1"};
  EXPECT_EQ(with_position_34, expected);
}

}  // namespace
}  // namespace hbpins
