// Pin tables of the QM plug-in modules: for each module and build variant,
// the first connector position and the signal on each position from there.

#include "catalogue/module_records.h"

namespace hbpins {

namespace {

constexpr direction i = direction::se_in;
constexpr direction o = direction::se_out;
constexpr direction b = direction::se_bidir;
constexpr direction p = direction::lvds_in_p;
constexpr direction n = direction::lvds_in_n;
constexpr direction nc = direction::nc;

constexpr qm_pin_row_type qm700_rows[] = {
    {"DIN<5>", i},  {"DOUT<4>", o}, {"DOEn<5>", o}, {"DOUT<5>", o}, {"NC", nc},     {"DOEn<4>", o},
    {"DIN<4>", i},  {"DOUT<3>", o}, {"DIN<3>", i},  {"DOEn<3>", o}, {"DIN<2>", i},  {"DOUT<2>", o},
    {"DIN<1>", i},  {"DOEn<2>", o}, {"DOEn<1>", o}, {"DOUT<1>", o}, {"LEDn<4>", o}, {"LEDn<5>", o},
    {"LEDn<2>", o}, {"LEDn<3>", o}, {"LEDn<1>", o}};

constexpr qm_pin_row_type qm701_rows[] = {
    {"OE_A_n", o},   {"DIR_A", o},    {"A<2>", b},     {"A<1>", b},     {"A<4>", b},
    {"A<3>", b},     {"A<6>", b},     {"A<5>", b},     {"A<8>", b},     {"A<7>", b},
    {"B<2>", b},     {"B<1>", b},     {"B<4>", b},     {"B<3>", b},     {"B<6>", b},
    {"B<5>", b},     {"B<8>", b},     {"B<7>", b},     {"DIR_B", o},    {"OE_B_n", o},
    {"LED_n<2>", o}, {"LED_n<1>", o}, {"LED_n<4>", o}, {"LED_n<3>", o}, {"LED_n<6>", o},
    {"LED_n<5>", o}, {"LED_n<8>", o}, {"LED_n<7>", o}};

constexpr qm_pin_row_type qm702_rows[] = {{"CS_n", o},  {"NC", nc}, {"SCLK", o},  {"NC", nc},
                                          {"SDIN", o},  {"NC", nc}, {"SDOUT", i}, {"NC", nc},
                                          {"SSTRB", i}, {"NC", nc}, {"SHDN_n", o}};

constexpr qm_pin_row_type qm703_rows[] = {
    {"D_IN_p<1>", p}, {"D_IN_n<1>", n}, {"D_IN_p<2>", p}, {"D_IN_n<2>", n}, {"D_IN_p<3>", p},
    {"D_IN_n<3>", n}, {"D_IN_p<4>", p}, {"D_IN_n<4>", n}, {"SDI_DAC", o},   {"SCLK_DAC", o},
    {"LDAC_n", o},    {"CS_TH_n", o},   {"CS_HYS_n", o},  {"DIN<1>", i},    {"DIN<2>", i},
    {"DIN<3>", i},    {"DOUT<4>", o},   {"DOE_n<4>", o},  {"DOUT<3>", o},   {"DOE_n<3>", o},
    {"DOUT<2>", o},   {"DOE_n<2>", o},  {"DOUT<1>", o},   {"DOE_n<1>", o},  {"LED_n<4>", o},
    {"LED_n<5>", o},  {"LED_n<2>", o},  {"LED_n<3>", o},  {"LED_n<1>", o},  {"DIN<4>", i}};

constexpr qm_pin_row_type qm704_rows[] = {
    {"INTTL<5>", i}, {"OUTP<5>", o},  {"INECL<5>", i}, {"OE_n<5>", o},  {"LED_n<5>", o},
    {"TERM<5>", o},  {"INTTL<4>", i}, {"OUTP<4>", o},  {"INECL<4>", i}, {"OE_n<4>", o},
    {"LED_n<4>", o}, {"TERM<4>", o},  {"INTTL<3>", i}, {"OUTP<3>", o},  {"INECL<3>", i},
    {"OE_n<3>", o},  {"LED_n<3>", o}, {"TERM<3>", o},  {"INTTL<2>", i}, {"OUTP<2>", o},
    {"INECL<2>", i}, {"OE_n<2>", o},  {"LED_n<2>", o}, {"TERM<2>", o},  {"INTTL<1>", i},
    {"OUTP<1>", o},  {"INECL<1>", i}, {"OE_n<1>", o},  {"LED_n<1>", o}, {"TERM<1>", o}};

constexpr qm_pin_row_type qm706_first_rows[] = {
    {"CLKout", i},   {"RESET", o},   {"DATA<1>", i},  {"DATA<0>", i},  {"DATA<3>", i},
    {"DATA<2>", i},  {"DATA<5>", i}, {"DATA<4>", i},  {"DATA<7>", i},  {"DATA<6>", i},
    {"DATA<9>", i},  {"DATA<8>", i}, {"DATA<11>", i}, {"DATA<10>", i}, {"DATA<13>", i},
    {"DATA<12>", i}, {"SCLKn", o},   {"NC", nc},      {"SEn", o},      {"SDATA", o},
    {"DIO1OUT", o},  {"CLKp", o},    {"DIO2OEn", o},  {"DIO2OUT", o},  {"DIO2IN", i},
    {"DIO1OEn", o},  {"DIO1IN", i},  {"NC", nc},      {"CLKn", o}};

constexpr qm_pin_row_type qm706_second_rows[] = {
    {"CLKout", i},   {"RESET", o},   {"DATA<1>", i},  {"DATA<0>", i},  {"DATA<3>", i},
    {"DATA<2>", i},  {"DATA<5>", i}, {"DATA<4>", i},  {"DATA<7>", i},  {"DATA<6>", i},
    {"DATA<9>", i},  {"DATA<8>", i}, {"DATA<11>", i}, {"DATA<10>", i}, {"DATA<13>", i},
    {"DATA<12>", i}, {"SCLKn", o},   {"OVR", i},      {"SEn", o},      {"SDATA", o},
    {"CLKp", o},     {"CLKn", o},    {"DIO2OEn", o},  {"DIO2OUT", o},  {"DIO2IN", i},
    {"DIO1OEn", o},  {"DIO1IN", i},  {"DIO1OUT", o},  {"LED2n", o},    {"LED1n", o}};

constexpr qm_pin_row_type qm707_first_rows[] = {
    {"LVDS_I<2>", i}, {"LVDS_I<1>", i}, {"LVDS_O<2>", o}, {"LVDS_O<1>", o},
    {"LVDS_O<4>", o}, {"LVDS_O<3>", o}, {"LVDS_I<4>", i}, {"LVDS_I<3>", i},
    {"LVDS_I<6>", i}, {"LVDS_I<5>", i}, {"LVDS_O<6>", o}, {"LVDS_O<5>", o},
    {"LVDS_O<8>", o}, {"LVDS_O<7>", o}, {"LVDS_I<8>", i}, {"LVDS_I<7>", i}};

constexpr qm_pin_row_type qm707_second_rows[] = {
    {"EN_O<1>", o},   {"LVDS_O<1>", o}, {"EN_O<2>", o},   {"LVDS_O<2>", o}, {"NC", nc},
    {"LVDS_O<3>", o}, {"NC", nc},       {"LVDS_O<4>", o}, {"EN_I<1>", o},   {"LVDS_I<1>", i},
    {"EN_I<2>", o},   {"LVDS_I<2>", i}, {"LED<1>", o},    {"LVDS_I<3>", i}, {"LED<2>", o},
    {"LVDS_I<4>", i}, {"EN_O<3>", o},   {"LVDS_O<5>", o}, {"EN_O<4>", o},   {"LVDS_O<6>", o},
    {"NC", nc},       {"LVDS_O<7>", o}, {"NC", nc},       {"LVDS_O<8>", o}, {"EN_I<3>", o},
    {"LVDS_I<5>", i}, {"EN_I<4>", o},   {"LVDS_I<6>", i}, {"NC", nc},       {"LVDS_I<7>", i},
    {"NC", nc},       {"LVDS_I<8>", i}};

constexpr qm_pin_row_type qm709_rows[] = {{"TSEN<0>", b}, {"TSEN<1>", b}, {"TSEN<2>", b},
                                          {"TSEN<3>", b}, {"TSEN<4>", b}, {"TSEN<5>", b},
                                          {"TSEN<6>", b}, {"TSEN<7>", b}};

constexpr qm_pin_row_type qm710_rows[] = {
    {"DATA1<1>", o},  {"DATA1<0>", o},  {"DATA1<3>", o},  {"DATA1<2>", o},  {"DATA1<5>", o},
    {"DATA1<4>", o},  {"DATA1<7>", o},  {"DATA1<6>", o},  {"DATA1<9>", o},  {"DATA1<8>", o},
    {"DATA1<11>", o}, {"DATA1<10>", o}, {"DATA1<13>", o}, {"DATA1<12>", o}, {"LOAD1", o},
    {"LOAD2", o},     {"DATA2<1>", o},  {"DATA2<0>", o},  {"DATA2<3>", o},  {"DATA2<2>", o},
    {"DATA2<5>", o},  {"DATA2<4>", o},  {"DATA2<7>", o},  {"DATA2<6>", o},  {"DATA2<9>", o},
    {"DATA2<8>", o},  {"DATA2<11>", o}, {"DATA2<10>", o}, {"DATA2<13>", o}, {"DATA2<12>", o}};

constexpr qm_pin_row_type qm711_rows[] = {
    {"DATA<0>", o},   {"DATA<1>", o},   {"DATA<2>", o},   {"DATA<3>", o},   {"DATA<4>", o},
    {"DATA<5>", o},   {"DATA<6>", o},   {"DATA<7>", o},   {"DELIN<1>", o},  {"LE<1>", o},
    {"DELOUT<1>", i}, {"REF<1>", i},    {"DELIN<2>", o},  {"LE<2>", o},     {"DELOUT<2>", i},
    {"REF<2>", i},    {"DELIN<3>", o},  {"LE<3>", o},     {"DELOUT<3>", i}, {"REF<3>", i},
    {"DELIN<4>", o},  {"LE<4>", o},     {"DELOUT<4>", i}, {"REF<4>", i},    {"DELIN<5>", o},
    {"LE<5>", o},     {"DELOUT<5>", i}, {"REF<5>", i},    {"DELIN<6>", o},  {"LE<6>", o},
    {"DELOUT<6>", i}, {"REF<6>", i}};

constexpr qm_pin_row_type qm712_rows[] = {
    {"CS2n", o},  {"CS1n", o},  {"SCLK2", o},  {"SCLK1", o},  {"SDOUT2", o}, {"SDOUT1", o},
    {"SDIN2", i}, {"SDIN1", i}, {"SSTR2n", i}, {"SSTR1n", i}, {"SHDN2n", o}, {"SHDN1n", o}};

constexpr qm_pin_row_type qm713_rows[] = {
    {"CLR_n", o},   {"NC", nc}, {"SYNC_n", o},   {"NC", nc}, {"SDIN", o},   {"NC", nc},
    {"SCLK_n", o},  {"NC", nc}, {"SDOUT", i},    {"NC", nc}, {"SPI", o},    {"NC", nc},
    {"PD", o},      {"NC", nc}, {"DCEN_ADI", o}, {"NC", nc}, {"LDAC_n", o}, {"NC", nc},
    {"BUSY", i},    {"NC", nc}, {"RESET_n", o},  {"NC", nc}, {"MONOUT", i}, {"NC", nc},
    {"MON_IN2", o}, {"NC", nc}, {"MON_IN1", o}};

constexpr qm_pin_row_type qm714_rows[] = {
    {"TKIn", o},     {"TRIGGER", i}, {"DATA<1>", i},  {"DATA<0>", i},  {"DATA<3>", i},
    {"DATA<2>", i},  {"DATA<5>", i}, {"DATA<4>", i},  {"DATA<7>", i},  {"DATA<6>", i},
    {"DATA<9>", i},  {"DATA<8>", i}, {"DATA<11>", i}, {"DATA<10>", i}, {"DATA<13>", i},
    {"DATA<12>", i}, {"TDO", i},     {"PULSE", o},    {"TCLK", o},     {"TDI", o},
    {"FRSTn", o},    {"CLK", o},     {"HOLD", o},     {"RCLK", o},     {"TMS", o},
    {"TRSTb", o},    {"CLKn", o},    {"SCLKn", o},    {"SDATA", o},    {"SEn", o},
    {"RESET", o}};

constexpr qm_pin_row_type qm715_rows[] = {
    {"SEn", o}, {"PR_n", o}, {"SCLK", o}, {"SHDN_n", o}, {"SDATA", o}};

constexpr qm_pin_row_type qm717_rows[] = {
    {"CLKout", i},   {"RESET", o},   {"DATA<1>", i},  {"DATA<0>", i},  {"DATA<3>", i},
    {"DATA<2>", i},  {"DATA<5>", i}, {"DATA<4>", i},  {"DATA<7>", i},  {"DATA<6>", i},
    {"DATA<9>", i},  {"DATA<8>", i}, {"DATA<11>", i}, {"DATA<10>", i}, {"DATA<13>", i},
    {"DATA<12>", i}, {"SCLKn", o},   {"NC", nc},      {"SEn", o},      {"SDATA", o},
    {"CLKn", o},     {"CLKp", o},    {"DIO_OEn", o},  {"DIO_OUT", o},  {"DIO_IN", i},
    {"QRESETn", o},  {"NC", nc},     {"QSHORTn", o},  {"LEDn", o}};

constexpr qm_pin_row_type qm720_rows[] = {{"CS2n", o},   {"CS1n", o},   {"SCLK2", o}, {"SCLK1", o},
                                          {"SDOUT2", o}, {"SDOUT1", o}, {"SDIN2", i}, {"SDIN1", i}};

constexpr qm_pin_row_type qm721_rows[] = {{"SYNC2n", o}, {"SYNC1n", o}, {"DOUT2", o},
                                          {"DOUT1", o},  {"SCLK2", o},  {"SCLK1", o},
                                          {"LDAC2n", o}, {"LDAC1n", o}};

constexpr qm_pin_row_type qm724_rows[] = {
    {"DIN<1>", i},  {"DOUT<1>", o}, {"DOEn<1>", o}, {"LEDn<1>", o}, {"DIN<2>", i},
    {"DOUT<2>", o}, {"DOEn<2>", o}, {"LEDn<2>", o}, {"TOSO<1>", o}, {"TOSI<1>", i},
    {"TOSO<2>", o}, {"TOSI<2>", i}, {"TOSO<3>", o}, {"TOSI<3>", i}};

constexpr qm_pin_row_type qm725_rows[] = {
    {"ECL_IN<1>", i}, {"EN1_4", o},     {"ECL_IN<2>", i}, {"EN5_8", o},     {"ECL_IN<3>", i},
    {"NC", nc},       {"ECL_IN<4>", i}, {"NC", nc},       {"ECL_IN<5>", i}, {"NC", nc},
    {"ECL_IN<6>", i}, {"NC", nc},       {"ECL_IN<7>", i}, {"NC", nc},       {"ECL_IN<8>", i}};

constexpr qm_pin_row_type qm726_rows[] = {
    {"LEDn<1>", o},  {"LEDn<17>", o}, {"LEDn<18>", o}, {"LEDn<2>", o},  {"LEDn<3>", o},
    {"LEDn<19>", o}, {"LEDn<20>", o}, {"LEDn<4>", o},  {"LEDn<5>", o},  {"LEDn<21>", o},
    {"LEDn<22>", o}, {"LEDn<6>", o},  {"LEDn<7>", o},  {"LEDn<23>", o}, {"LEDn<24>", o},
    {"LEDn<8>", o},  {"LEDn<9>", o},  {"LEDn<25>", o}, {"LEDn<26>", o}, {"LEDn<10>", o},
    {"LEDn<11>", o}, {"LEDn<27>", o}, {"LEDn<28>", o}, {"LEDn<12>", o}, {"LEDn<13>", o},
    {"LEDn<29>", o}, {"LEDn<30>", o}, {"LEDn<14>", o}, {"LEDn<15>", o}, {"LEDn<31>", o},
    {"LEDn<32>", o}, {"LEDn<16>", o}};

constexpr qm_pin_row_type qm727_rows[] = {{"TOSI<1>", i}, {"TOSO<1>", o}, {"TOSI<2>", i},
                                          {"TOSO<2>", o}, {"TOSI<3>", i}, {"TOSO<3>", o}};

constexpr qm_pin_row_type qm728_rows[] = {{"ADC_CLK", o},   {"ADC_CVn", o}, {"ADC_A0", o},
                                          {"ADC_A1", o},    {"ADC_DIN", i}, {"DAC_DOUT", o},
                                          {"DAC_SYNCn", o}, {"DAC_CLK", o}};

constexpr qm_pin_row_type qm730_rows[] = {
    {"D<0>", b},    {"D<1>", b},    {"D<2>", b},    {"D<3>", b},  {"D<4>", b},   {"D<5>", b},
    {"D<6>", b},    {"D<7>", b},    {"D<8>", b},    {"D<9>", b},  {"D<10>", b},  {"D<11>", b},
    {"D<12>", b},   {"D<13>", b},   {"D<14>", b},   {"D<15>", b}, {"READ_n", o}, {"REQ", o},
    {"Addr<0>", o}, {"Addr<1>", o}, {"Addr<2>", o}, {"CMD_n", o}, {"CLK", o},    {"READY", i},
    {"CRE", o},     {"HISTO", o},   {"RESET", o},   {"DAC", o}};

constexpr qm_pin_row_type qm731_rows[] = {{"FIN<0>", o}, {"RIN<0>", o}, {"FIN<1>", o},
                                          {"RIN<1>", o}, {"FIN<2>", o}, {"RIN<2>", o},
                                          {"FIN<3>", o}, {"RIN<3>", o}};

constexpr qm_pin_row_type qm733_rows[] = {{"OPT_IN", i}, {"OPT_OUT", o}};

constexpr qm_pin_row_type qm734_rows[] = {
    {"IO_RST", o},     {"D<0>", b},       {"PLL_LOCK", i},   {"D<1>", b},    {"NC", nc},
    {"D<2>", b},       {"EXT_MCLK", o},   {"D<3>", b},       {"NC", nc},     {"D<4>", b},
    {"SYNC_CLK_O", i}, {"D<5>", b},       {"SYNC_SMP_E", o}, {"D<6>", b},    {"IO_UPDATE", o},
    {"D<7>", b},       {"RAM_SWP_OV", o}, {"D<8>", b},       {"DR_OVER", o}, {"D<9>", b},
    {"I2C_SDA", b},    {"D<10>", b},      {"I2C_SCL", o},    {"D<11>", b},   {"F<1>", o},
    {"D<12>", b},      {"F<0>", o},       {"D<13>", b},      {"TX_ENA", o},  {"D<14>", b},
    {"PD_CLK", o},     {"D<15>", b}};

constexpr qm_pin_row_type qm735_first_rows[] = {
    {"CLKn", o},     {"CLKp", o},     {"NC", nc},      {"NC", nc},      {"DATA<0>", i},
    {"DATA<1>", i},  {"DATA<2>", i},  {"DATA<3>", i},  {"DATA<4>", i},  {"DATA<5>", i},
    {"DATA<6>", i},  {"DATA<7>", i},  {"DATA<8>", i},  {"DATA<9>", i},  {"DATA<10>", i},
    {"DATA<11>", i}, {"DATA<12>", i}, {"DATA<13>", i}, {"SPARE<0>", o}, {"SPARE<1>", o},
    {"SPARE<2>", o}, {"SPARE<3>", o}, {"SPARE<4>", o}, {"SPARE<5>", o}, {"SPARE<6>", o},
    {"RESET", o},    {"SDA", b},      {"SCL", o},      {"SEn", o},      {"SDRD", i},
    {"SCLKn", o},    {"SDATA", o}};

constexpr qm_pin_row_type qm735_second_rows[] = {
    {"SCL", o},      {"SDA", b},     {"DATA<0>", i},  {"DATA<1>", i},  {"DATA<2>", i},
    {"DATA<3>", i},  {"DATA<4>", i}, {"DATA<5>", i},  {"DATA<6>", i},  {"DATA<7>", i},
    {"DATA<8>", i},  {"DATA<9>", i}, {"DATA<10>", i}, {"DATA<11>", i}, {"DATA<12>", i},
    {"DATA<13>", i}, {"GI_GATE", o}, {"SPARE<1>", o}, {"SPARE<2>", o}, {"SPARE<3>", o},
    {"FREQ<0>", o},  {"FREQ<1>", o}, {"CLK_CPU", o},  {"RESET", o},    {"SEn", o},
    {"SDRD", i},     {"SDATA", o},   {"SCLKn", o},    {"NC", nc},      {"NC", nc},
    {"CLKn", o},     {"CLKp", o}};

constexpr qm_pin_row_type qm736_rows[] = {
    {"CMP_SE<2>", i},  {"NC", nc},         {"NC", nc},         {"NC", nc},
    {"CMP_SE<1>", i},  {"NC", nc},         {"NC", nc},         {"CMP_Dp<2>", p},
    {"CMP_Dn<2>", n},  {"CMP_Dp<1>", p},   {"CMP_Dn<1>", n},   {"NC", nc},
    {"NC", nc},        {"NC", nc},         {"NC", nc},         {"SCLK_DAC", o},
    {"SDI_DAC", o},    {"NC", nc},         {"CS_DACn", o},     {"NC", nc},
    {"NC", nc},        {"LED_CMPn<2>", o}, {"LED_CMPn<1>", o}, {"LED_NIMn<2>", o},
    {"LED_NIMn<1>", o}};

constexpr qm_pin_row_type qm737_rows[] = {
    {"TD<1>", o},  {"TD<0>", o},  {"TD<3>", o},    {"TD<2>", o},     {"TD<5>", o}, {"TD<4>", o},
    {"TD<7>", o},  {"TD<6>", o},  {"TD<9>", o},    {"TD<8>", o},     {"LOOPB", o}, {"CLK_F", i},
    {"LOS", i},    {"SYNCEN", o}, {"RBCO", i},     {"ENABLE", o},    {"RD<8>", i}, {"RD<9>", i},
    {"RD<6>", i},  {"RD<7>", i},  {"RD<4>", i},    {"RD<5>", i},     {"RD<2>", i}, {"RD<3>", i},
    {"RD<0>", i},  {"RD<1>", i},  {"TX_FAULT", i}, {"SYNC_PASS", i}, {"SDA", b},   {"TX_DIS", o},
    {"RX_LOS", i}, {"SCL", o}};

constexpr qm_pin_row_type qm739_rows[] = {
    {"FPGA_TDI", i}, {"ACBUS<5>", b},  {"FPGA_TCK", i},  {"ACBUS<4>", b}, {"FPGA_TMS", i},
    {"ACBUS<3>", b}, {"FPGA_TDO", o},  {"ACBUS<2>", b},  {"F_INIT_B", b}, {"ACBUS<1>", b},
    {"F_PROG_B", o}, {"ACBUS<0>", b},  {"FPGA_DONE", i}, {"ADBUS<7>", b}, {"FPGA_CCLK", i},
    {"ADBUS<6>", b}, {"ACBUS<6>", b},  {"ADBUS<5>", b},  {"ACBUS<7>", b}, {"ADBUS<4>", b},
    {"BCBUS<0>", b}, {"ADBUS<3>", b},  {"BCBUS<1>", b},  {"ADBUS<2>", b}, {"BCBUS<2>", b},
    {"ADBUS<1>", b}, {"BCBUS<3>", b},  {"ADBUS<0>", b},  {"BCBUS<4>", b}, {"U_RST", o},
    {"BCBUS<5>", b}, {"BC6_PROG_E", b}};

constexpr qm_pin_row_type qm740_rows[] = {
    {"COMP<3>", i}, {"COMP<4>", i},  {"COMP<1>", i},  {"COMP<2>", i},
    {"ADC_SDO", i}, {"ADC_SCLK", o}, {"ADC_CONV", o}, {"NC", nc},
    {"IVC_RST", o}, {"NC", nc},      {"DAC_SCLK", o}, {"SER_SW", o},
    {"DAC_DIN", o}, {"NC", nc},      {"NC", nc},      {"DAC_SYNC", o}};

constexpr qm_pin_row_type qm953_rows[] = {
    {"IO<0>", b},  {"IO<1>", b},  {"IO<2>", b},  {"IO<3>", b},  {"IO<4>", b},  {"IO<5>", b},
    {"IO<6>", b},  {"IO<7>", b},  {"IO<8>", b},  {"IO<9>", b},  {"IO<10>", b}, {"IO<11>", b},
    {"IO<12>", b}, {"IO<13>", b}, {"IO<14>", b}, {"IO<15>", b}, {"IO<16>", b}, {"IO<17>", b},
    {"IO<18>", b}, {"IO<19>", b}, {"IO<20>", b}, {"IO<21>", b}, {"IO<22>", b}, {"IO<23>", b},
    {"IO<24>", b}, {"IO<25>", b}, {"IO<26>", b}, {"IO<27>", b}, {"IO<28>", b}, {"IO<29>", b},
    {"IO<30>", b}, {"IO<31>", b}};

constexpr module_pin_table qm700_tables[] = {{3, qm700_rows}};
constexpr module_pin_table qm701_tables[] = {{3, qm701_rows}};
constexpr module_pin_table qm702_tables[] = {{4, qm702_rows}};
constexpr module_pin_table qm703_tables[] = {{3, qm703_rows}};
constexpr module_pin_table qm704_tables[] = {{3, qm704_rows}};
constexpr module_pin_table qm706_tables[] = {{3, qm706_first_rows}, {3, qm706_second_rows}};
constexpr module_pin_table qm707_tables[] = {{3, qm707_first_rows}, {3, qm707_second_rows}};
constexpr module_pin_table qm709_tables[] = {{3, qm709_rows}};
constexpr module_pin_table qm710_tables[] = {{3, qm710_rows}};
constexpr module_pin_table qm711_tables[] = {{3, qm711_rows}};
constexpr module_pin_table qm712_tables[] = {{3, qm712_rows}};
constexpr module_pin_table qm713_tables[] = {{4, qm713_rows}};
constexpr module_pin_table qm714_tables[] = {{3, qm714_rows}};
constexpr module_pin_table qm715_tables[] = {{3, qm715_rows}};
constexpr module_pin_table qm717_tables[] = {{3, qm717_rows}};
constexpr module_pin_table qm720_tables[] = {{3, qm720_rows}};
constexpr module_pin_table qm721_tables[] = {{5, qm721_rows}};
constexpr module_pin_table qm722_tables[] = {{3, qm700_rows}};  // 722 carries the pinout of 700
constexpr module_pin_table qm724_tables[] = {{3, qm724_rows}};
constexpr module_pin_table qm725_tables[] = {{3, qm725_rows}};
constexpr module_pin_table qm726_tables[] = {{3, qm726_rows}};
constexpr module_pin_table qm727_tables[] = {{27, qm727_rows}};
constexpr module_pin_table qm728_tables[] = {{3, qm728_rows}};
constexpr module_pin_table qm730_tables[] = {{3, qm730_rows}};
constexpr module_pin_table qm731_tables[] = {{3, qm731_rows}};
constexpr module_pin_table qm733_tables[] = {{23, qm733_rows}};
constexpr module_pin_table qm734_tables[] = {{3, qm734_rows}};
constexpr module_pin_table qm735_tables[] = {{3, qm735_first_rows}, {3, qm735_second_rows}};
constexpr module_pin_table qm736_tables[] = {{8, qm736_rows}};
constexpr module_pin_table qm737_tables[] = {{3, qm737_rows}};
constexpr module_pin_table qm739_tables[] = {{3, qm739_rows}};
constexpr module_pin_table qm740_tables[] = {{7, qm740_rows}};
constexpr module_pin_table qm953_tables[] = {{3, qm953_rows}};

// clang-format off
constexpr module_entry modules[] = {
    // 700 is the number of the series: it lists the pinout of 722, and no
    // slot takes it.
    {700, qm700_tables, module_kind::listing_only},
    {701, qm701_tables}, {702, qm702_tables}, {703, qm703_tables}, {704, qm704_tables},
    {706, qm706_tables}, {707, qm707_tables}, {709, qm709_tables}, {710, qm710_tables},
    {711, qm711_tables}, {712, qm712_tables}, {713, qm713_tables}, {714, qm714_tables},
    {715, qm715_tables}, {717, qm717_tables}, {720, qm720_tables}, {721, qm721_tables},
    {722, qm722_tables}, {724, qm724_tables}, {725, qm725_tables}, {726, qm726_tables},
    {727, qm727_tables}, {728, qm728_tables}, {730, qm730_tables}, {731, qm731_tables},
    {733, qm733_tables}, {734, qm734_tables}, {735, qm735_tables}, {736, qm736_tables},
    {737, qm737_tables}, {739, qm739_tables}, {740, qm740_tables},
    {test_module_number, qm953_tables, module_kind::test_tables},
    {empty_slot_number, {}, module_kind::empty_slot},
    {general_io_number, {}, module_kind::general_io},
};
// clang-format on

}  // namespace

const std::span<const module_entry> builtin_modules = modules;

}  // namespace hbpins
