// The base boards' own signals (clock, LEDs, reset, host bus, ...) with their
// FPGA locations, in the order the output files list them. The first row of
// every board is its clock net.

#include "catalogue/tables/board_tables.h"

namespace hbpins {

namespace {

constexpr direction se_in = direction::se_in;
constexpr direction se_in_up = direction::se_in_up;
constexpr direction se_out = direction::se_out;
constexpr direction se_bidir = direction::se_bidir;
constexpr direction lvds_in_p = direction::lvds_in_p;
constexpr direction lvds_in_n = direction::lvds_in_n;
constexpr direction lvds_out_p = direction::lvds_out_p;
constexpr direction lvds_out_n = direction::lvds_out_n;

}  // namespace

constexpr pin_type hb701_signals[15] = {
    {"CLK", "181", se_in},     {"LED_Back", "184", se_out}, {"RD_n", "81", se_out},
    {"WR", "83", se_out},      {"RES_n", "80", se_in_up},   {"RXF_n", "58", se_in},
    {"TXE_n", "57", se_in},    {"UD<0>", "92", se_bidir},   {"UD<1>", "90", se_bidir},
    {"UD<2>", "87", se_bidir}, {"UD<3>", "86", se_bidir},   {"UD<4>", "74", se_bidir},
    {"UD<5>", "72", se_bidir}, {"UD<6>", "68", se_bidir},   {"UD<7>", "67", se_bidir}};

constexpr pin_type hb706_signals[20] = {
    {"CLK", "181", se_in},         {"LED_Back", "184", se_out},   {"RES_n", "80", se_in_up},
    {"FXRD_n", "81", se_out},      {"FXWR_n", "83", se_out},      {"FXEmpty", "58", se_in},
    {"FXFull", "57", se_in},       {"FXClk", "77", se_in},        {"FXAddr<0>", "96", se_out},
    {"FXAddr<1>", "154", se_out},  {"FXSLOE_n", "50", se_out},    {"FXPEnd_n", "200", se_out},
    {"FXData<0>", "92", se_bidir}, {"FXData<1>", "90", se_bidir}, {"FXData<2>", "87", se_bidir},
    {"FXData<3>", "86", se_bidir}, {"FXData<4>", "74", se_bidir}, {"FXData<5>", "72", se_bidir},
    {"FXData<6>", "68", se_bidir}, {"FXData<7>", "67", se_bidir}};

constexpr pin_type hb709_signals[20] = {
    {"CLK", "AF14", se_in},          {"LED_Back", "K26", se_out},
    {"RES_n", "G26", se_in_up},      {"FXRD_n", "W26", se_out},
    {"FXWR_n", "AC14", se_out},      {"FXEmpty", "M26", se_in},
    {"FXFull", "L26", se_in},        {"FXClk", "R26", se_out},
    {"FXAddr<0>", "Y26", se_out},    {"FXAddr<1>", "AC25", se_out},
    {"FXSLOE_n", "Y25", se_out},     {"FXPEnd_n", "AC26", se_out},
    {"FXData<0>", "Y15", se_bidir},  {"FXData<1>", "W14", se_bidir},
    {"FXData<2>", "Y14", se_bidir},  {"FXData<3>", "AA14", se_bidir},
    {"FXData<4>", "AC13", se_bidir}, {"FXData<5>", "AB13", se_bidir},
    {"FXData<6>", "AB12", se_bidir}, {"FXData<7>", "AA12", se_bidir}};

constexpr pin_type hb710_signals[92] = {
    {"HB710_I_CLK100", "AF14", se_in},       {"HB710_I_SYSRESET", "AE23", se_in},
    {"HB710_I_NDS0", "AB23", se_in},         {"HB710_I_NDS1", "AF23", se_in},
    {"HB710_I_NAS", "AF19", se_in},          {"HB710_I_NWRITE", "AE22", se_in},
    {"HB710_I_NLWORD", "AF22", se_in},       {"HB710_I_AM<0>", "AD21", se_in},
    {"HB710_I_AM<1>", "AB21", se_in},        {"HB710_I_AM<2>", "AE20", se_in},
    {"HB710_I_AM<3>", "AC17", se_in},        {"HB710_I_AM<4>", "AD15", se_in},
    {"HB710_I_AM<5>", "AF21", se_in},        {"HB710_I_STD_ADR<23>", "AE21", se_in},
    {"HB710_I_STD_ADR<22>", "AC21", se_in},  {"HB710_I_STD_ADR<21>", "AF20", se_in},
    {"HB710_I_STD_ADR<20>", "AB20", se_in},  {"HB710_I_STD_ADR<19>", "AE19", se_in},
    {"HB710_I_IADR<18>", "AB17", se_in},     {"HB710_I_IADR<17>", "AB16", se_in},
    {"HB710_I_IADR<16>", "AE15", se_in},     {"HB710_I_IADR<15>", "AF8", se_in},
    {"HB710_I_IADR<14>", "AC7", se_in},      {"HB710_I_IADR<13>", "AF6", se_in},
    {"HB710_I_IADR<12>", "AD6", se_in},      {"HB710_I_IADR<11>", "AB6", se_in},
    {"HB710_I_IADR<10>", "AD5", se_in},      {"HB710_I_IADR<9>", "AE4", se_in},
    {"HB710_I_IADR<8>", "AC1", se_in},       {"HB710_I_IADR<7>", "AE8", se_in},
    {"HB710_I_IADR<6>", "AB7", se_in},       {"HB710_I_IADR<5>", "AE6", se_in},
    {"HB710_I_IADR<4>", "AC6", se_in},       {"HB710_I_IADR<3>", "AE5", se_in},
    {"HB710_I_IADR<2>", "AF4", se_in},       {"HB710_I_IADR<1>", "AD4", se_in},
    {"HB710_O_NDTACK", "AB15", se_out},      {"HB710_IO_IDAT<0>", "U26", se_bidir},
    {"HB710_IO_IDAT<1>", "U24", se_bidir},   {"HB710_IO_IDAT<2>", "V25", se_bidir},
    {"HB710_IO_IDAT<3>", "V23", se_bidir},   {"HB710_IO_IDAT<4>", "W26", se_bidir},
    {"HB710_IO_IDAT<5>", "W24", se_bidir},   {"HB710_IO_IDAT<6>", "Y26", se_bidir},
    {"HB710_IO_IDAT<7>", "AC26", se_bidir},  {"HB710_IO_IDAT<8>", "U25", se_bidir},
    {"HB710_IO_IDAT<9>", "U23", se_bidir},   {"HB710_IO_IDAT<10>", "V24", se_bidir},
    {"HB710_IO_IDAT<11>", "V22", se_bidir},  {"HB710_IO_IDAT<12>", "W25", se_bidir},
    {"HB710_IO_IDAT<13>", "W22", se_bidir},  {"HB710_IO_IDAT<14>", "Y25", se_bidir},
    {"HB710_IO_IDAT<15>", "AE24", se_bidir}, {"HB710_IO_IDAT<16>", "AB3", se_bidir},
    {"HB710_IO_IDAT<17>", "AB4", se_bidir},  {"HB710_IO_IDAT<18>", "W1", se_bidir},
    {"HB710_IO_IDAT<19>", "W2", se_bidir},   {"HB710_IO_IDAT<20>", "U1", se_bidir},
    {"HB710_IO_IDAT<21>", "T5", se_bidir},   {"HB710_IO_IDAT<22>", "T4", se_bidir},
    {"HB710_IO_IDAT<23>", "T2", se_bidir},   {"HB710_IO_IDAT<24>", "T1", se_bidir},
    {"HB710_IO_IDAT<25>", "R5", se_bidir},   {"HB710_IO_IDAT<26>", "R3", se_bidir},
    {"HB710_IO_IDAT<27>", "R1", se_bidir},   {"HB710_IO_IDAT<28>", "P5", se_bidir},
    {"HB710_IO_IDAT<29>", "P4", se_bidir},   {"HB710_IO_IDAT<30>", "P3", se_bidir},
    {"HB710_IO_IDAT<31>", "P2", se_bidir},   {"HB710_O_NIRQ1", "AB10", se_out},
    {"HB710_O_NIRQ2", "AC10", se_out},       {"HB710_O_NIRQ3", "AD10", se_out},
    {"HB710_O_NIRQ4", "AB11", se_out},       {"HB710_O_NIRQ5", "AC11", se_out},
    {"HB710_O_NIRQ6", "AD12", se_out},       {"HB710_O_NIRQ7", "AF12", se_out},
    {"HB710_I_NIACKIN", "AF15", se_in},      {"HB710_O_NIACKOUT", "AB9", se_out},
    {"HB710_O_NEN_BUFF", "AF24", se_out},    {"HB710_O_NDAT2VME", "AD23", se_out},
    {"HB710_I_SWI_ADR<0>", "T22", se_in_up}, {"HB710_I_SWI_ADR<1>", "R26", se_in_up},
    {"HB710_I_SWI_ADR<2>", "R24", se_in_up}, {"HB710_I_SWI_ADR<3>", "R22", se_in_up},
    {"HB710_I_SWI_ADR<4>", "P25", se_in_up}, {"HB710_I_SWI_ADR<5>", "P24", se_in_up},
    {"HB710_I_SWI_ADR<6>", "P23", se_in_up}, {"HB710_I_SWI_ADR<7>", "P22", se_in_up},
    {"HB710_O_LED_PWR", "T23", se_out},      {"HB710_O_LED_SEL", "T25", se_out},
    {"HB710_O_LED_INT", "T26", se_out},      {"HB710_O_LED_MOD", "U22", se_out}};

// BCBUS_<5> and BCBUS_<6> are both on A2, as the board documents them.
constexpr pin_type hb711_main_signals[48] = {
    {"OSC1_CLK", "W24", se_in},       {"OSC2_CLK", "AC14", se_in},
    {"SW1_FRONT", "V23", se_in},      {"SW2_BACK", "E16", se_in},
    {"LED_FP_D_n", "AF22", se_out},   {"LED_FP_U_n", "AB14", se_out},
    {"LED_BRD_R_n", "R26", se_out},   {"LED_BRD_L_n", "R25", se_out},
    {"LVDS_p<1>", "H9", lvds_in_p},   {"LVDS_n<1>", "G9", lvds_in_n},
    {"LVDS_p<2>", "B5", lvds_in_p},   {"LVDS_n<2>", "A5", lvds_in_n},
    {"LVDS_p<3>", "F7", lvds_in_p},   {"LVDS_n<3>", "F6", lvds_in_n},
    {"LVDS_p<4>", "B4", lvds_in_p},   {"LVDS_n<4>", "A4", lvds_in_n},
    {"SDCARD_CD", "N4", se_out},      {"SDCARD_CLK", "N3", se_out},
    {"SDCARD_CMD", "F3", se_out},     {"SDCARD_DA<0>", "N2", se_bidir},
    {"SDCARD_DA<1>", "M3", se_bidir}, {"SDCARD_DA<2>", "M1", se_bidir},
    {"SDCARD_DA<3>", "M4", se_bidir}, {"SDCARD_WP", "N5", se_in},
    {"ACBUS_<0>", "B1", se_bidir},    {"ACBUS_<1>", "C2", se_bidir},
    {"ACBUS_<2>", "C1", se_bidir},    {"ACBUS_<3>", "D1", se_bidir},
    {"ACBUS_<4>", "E2", se_bidir},    {"ACBUS_<5>", "E1", se_bidir},
    {"ACBUS_<6>", "C5", se_bidir},    {"ACBUS_<7>", "C3", se_bidir},
    {"ADBUS_<0>", "G1", se_bidir},    {"ADBUS_<1>", "F5", se_bidir},
    {"ADBUS_<2>", "G6", se_bidir},    {"ADBUS_<3>", "H8", se_bidir},
    {"ADBUS_<4>", "G8", se_bidir},    {"ADBUS_<5>", "D5", se_bidir},
    {"ADBUS_<6>", "B2", se_bidir},    {"ADBUS_<7>", "H1", se_bidir},
    {"BCBUS_<0>", "B3", se_bidir},    {"BCBUS_<1>", "G7", se_bidir},
    {"BCBUS_<2>", "E6", se_bidir},    {"BCBUS_<3>", "E5", se_bidir},
    {"BCBUS_<4>", "A3", se_bidir},    {"BCBUS_<5>", "A2", se_bidir},
    {"BCBUS_<6>", "A2", se_bidir},    {"USB_RSTP", "F1", se_bidir}};

constexpr pin_type hb711_sfp1_signals[13] = {
    {"SFP1_DETECT", "J11", se_in},     {"SFP1_I2C_SCL", "G11", se_out},
    {"SFP1_I2C_SDA", "E8", se_bidir},  {"SFP1_LOS", "G13", se_in},
    {"SFP1_RATE_SEL", "J15", se_out},  {"SFP1_TX_DISABLE", "H15", se_out},
    {"SFP1_TX_FAULT", "H12", se_in},   {"MGTCLK_01_n", "A10", lvds_in_n},
    {"MGTCLK_01_p", "B10", lvds_in_p}, {"MGT_0_RX_n", "C7", lvds_in_n},
    {"MGT_0_RX_p", "D7", lvds_in_p},   {"MGT_0_TX_n", "A6", lvds_out_n},
    {"MGT_0_TX_p", "B6", lvds_out_p}};

constexpr pin_type hb711_sfp2_signals[13] = {
    {"SFP2_DETECT", "H5", se_in},      {"SFP2_I2C_SCL", "F16", se_out},
    {"SFP2_I2C_SDA", "F9", se_bidir},  {"SFP2_LOS", "D3", se_in},
    {"SFP2_RATE_SEL", "E4", se_out},   {"SFP2_TX_DISABLE", "E10", se_out},
    {"SFP2_TX_FAULT", "F10", se_in},   {"MGTCLK_23_n", "C15", lvds_in_n},
    {"MGTCLK_23_p", "D15", lvds_in_p}, {"MGT_2_RX_n", "C17", lvds_in_n},
    {"MGT_2_RX_p", "D17", lvds_in_p},  {"MGT_2_TX_n", "A18", lvds_out_n},
    {"MGT_2_TX_p", "B18", lvds_out_p}};

constexpr pin_type hb711_mgt1_signals[4] = {{"MGT_1_RX_n", "C9", lvds_in_n},
                                            {"MGT_1_RX_p", "D9", lvds_in_p},
                                            {"MGT_1_TX_n", "A8", lvds_out_n},
                                            {"MGT_1_TX_p", "B8", lvds_out_p}};

constexpr pin_type hb711_mgt3_signals[4] = {{"MGT_3_RX_n", "C19", lvds_in_n},
                                            {"MGT_3_RX_p", "D19", lvds_in_p},
                                            {"MGT_3_TX_n", "A20", lvds_out_n},
                                            {"MGT_3_TX_p", "B20", lvds_out_p}};

}  // namespace hbpins
