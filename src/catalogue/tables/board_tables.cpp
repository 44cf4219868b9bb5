// The base boards compiled in: which FPGA location each board wires to each
// connector position of each slot, from position 3 to 34 ("0" where the
// position is not wired), and the board's own signals (clock, LEDs, reset,
// host bus, ...) with their FPGA locations, in the order the output files
// list them. The first row of every board is its clock net.
//
// The tables are constexpr: the compiler leaves a plain const table this
// large to a constructor that runs at every start-up, while a constexpr one
// stands in the executable's data as it is.

#include "catalogue/board_catalogue.h"

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

// Position 34 is not wired on any slot.
constexpr slot_wiring hb701_connectors[] = {
    // slot 0
    {{{"94",  "95",  "111", "113", "114", "115", "116", "117", "119", "120", "100",
       "101", "106", "107", "130", "131", "122", "123", "138", "139", "124", "125",
       "79",  "102", "85",  "133", "93",  "126", "109", "108", "96",  "0"}}},
    // slot 1
    {{{"190", "191", "194", "196", "198", "199", "10",  "11", "12",  "13", "2",
       "3",   "203", "204", "26",  "27",  "185", "187", "15", "16",  "7",  "9",
       "183", "205", "189", "197", "29",  "22",  "5",   "4",  "200", "0"}}},
    // slot 2
    {{{"46", "48", "44", "45", "42", "43", "39", "40", "36", "37", "51",
       "52", "61", "62", "64", "65", "34", "35", "18", "19", "20", "21",
       "76", "28", "78", "71", "63", "24", "31", "33", "50", "0"}}},
    // slot 3
    {{{"168", "169", "150", "152", "148", "149", "146", "147", "143", "144", "155",
       "156", "161", "162", "176", "178", "140", "141", "165", "166", "171", "172",
       "180", "132", "175", "182", "167", "135", "128", "137", "154", "0"}}},
};

// The slots of board 701 in the order 0, 3, 1, 2; positions 33 and 34 are not
// wired, their pins on board 701 carry board signals here.
constexpr slot_wiring hb706_connectors[] = {
    // slot 0
    {{{"94",  "95",  "111", "113", "114", "115", "116", "117", "119", "120", "100",
       "101", "106", "107", "130", "131", "122", "123", "138", "139", "124", "125",
       "79",  "102", "85",  "133", "93",  "126", "109", "108", "0",   "0"}}},
    // slot 1
    {{{"168", "169", "150", "152", "148", "149", "146", "147", "143", "144", "155",
       "156", "161", "162", "176", "178", "140", "141", "165", "166", "171", "172",
       "180", "132", "175", "182", "167", "135", "128", "137", "0",   "0"}}},
    // slot 2
    {{{"190", "191", "194", "196", "198", "199", "10",  "11", "12", "13", "2",
       "3",   "203", "204", "26",  "27",  "185", "187", "15", "16", "7",  "9",
       "183", "205", "189", "197", "29",  "22",  "5",   "4",  "0",  "0"}}},
    // slot 3
    {{{"46", "48", "44", "45", "42", "43", "39", "40", "36", "37", "51",
       "52", "61", "62", "64", "65", "34", "35", "18", "19", "20", "21",
       "76", "28", "78", "71", "63", "24", "31", "33", "0",  "0"}}},
};

constexpr slot_wiring hb709_connectors[] = {
    // slot 0
    {{{"A13", "B13", "A12", "B12", "C13", "D13", "E12", "F12", "D11", "E11", "C10",
       "D10", "A8",  "B8",  "D7",  "E7",  "B6",  "C6",  "A4",  "B4",  "B5",  "C5",
       "A7",  "B7",  "D6",  "E6",  "D5",  "E5",  "F13", "G13", "H13", "G12"}}},
    // slot 1
    {{{"D2", "D1", "E4", "E3", "F6", "F5", "G2", "G1", "H4", "H3", "H2",
       "H1", "J5", "J4", "J3", "J2", "K4", "K3", "K2", "K1", "L6", "L5",
       "M5", "M6", "L4", "M3", "M2", "M1", "N4", "N3", "N2", "N1"}}},
    // slot 2
    {{{"P1", "P2", "P3", "P4", "R1",  "R2",  "R3",  "T4",  "T1",  "T2", "T5",
       "T6", "U1", "U2", "U3", "U4",  "U5",  "U6",  "V2",  "V3",  "V4", "V5",
       "W1", "W2", "W3", "W4", "AB3", "AB4", "AC1", "AC2", "AD1", "AD2"}}},
    // slot 3
    {{{"AD13", "AE13", "W13",  "Y13", "AE12", "AF12", "AA11", "AB11", "W11", "Y11", "AB10",
       "AC10", "Y10",  "AA10", "AE8", "AF8",  "AE7",  "AF7",  "AE6",  "AF6", "AD5", "AE5",
       "AD4",  "AE4",  "AC6",  "AD6", "AB7",  "AC7",  "AA6",  "AB6",  "Y9",  "AA9"}}},
    // slot 4
    {{{"W20",  "W21",  "W22",  "W23",  "W24",  "W25",  "Y17",  "Y18",  "Y19",  "Y20",  "Y21",
       "Y22",  "Y23",  "AA15", "AA16", "AA17", "AA18", "AA19", "AA20", "AA21", "AA22", "AA23",
       "AA24", "AA25", "AA26", "AB16", "AB17", "AB18", "AB19", "AB20", "AB21", "AB22"}}},
    // slot 5
    {{{"L19", "L20", "L21", "L22", "M19", "M20", "M21", "M22", "N19", "N20", "N21",
       "N22", "P19", "P20", "P21", "P22", "R19", "R20", "R21", "R22", "T19", "T20",
       "T21", "T22", "U20", "U21", "U22", "U23", "V20", "V21", "V22", "V23"}}},
    // slot 6
    {{{"C18", "C19", "C21", "C22", "C23", "C25", "D8",  "D9",  "D14", "D16", "D17",
       "D18", "D19", "D20", "D21", "D22", "D25", "D26", "E1",  "E2",  "E8",  "E9",
       "E10", "E13", "E14", "E15", "E16", "E17", "E18", "E19", "E20", "E21"}}},
    // slot 7
    {{{"A3",  "A5",  "A6",  "A10", "A11", "A14", "A15", "A16", "A21", "A22", "A23",
       "B3",  "B9",  "B10", "B11", "B14", "B15", "B16", "B17", "B18", "B19", "B20",
       "B21", "B22", "B23", "C4",  "C8",  "C9",  "C12", "C14", "C15", "C17"}}},
};

constexpr slot_wiring hb710_connectors[] = {
    // slot 0
    {{{"N22", "N21", "N24", "N23", "M20", "M19", "M22", "M21", "L20", "L19", "L22",
       "L21", "M24", "L23", "L26", "L25", "K24", "K23", "K26", "K25", "K20", "J20",
       "J23", "J22", "J25", "J24", "H26", "H25", "E24", "E23", "D26", "C14"}}},
    // slot 1
    {{{"C23", "B23", "F21", "E21", "D21", "C21", "B21", "A21", "E20", "D20", "B19",
       "A19", "G18", "F18", "G17", "F17", "E17", "D17", "H16", "G16", "F16", "E16",
       "H15", "G15", "F15", "E15", "B15", "A15", "H14", "G14", "A14", "B14"}}},
    // slot 2
    {{{"F13", "G13", "H13", "G12", "E12", "F12", "A12", "B12", "F11", "G11", "D11",
       "E11", "E10", "F10", "C10", "D10", "F9",  "G9",  "A8",  "B8",  "D7",  "E7",
       "A7",  "B7",  "D6",  "E6",  "B6",  "C6",  "B5",  "C5",  "A3",  "A13"}}},
    // slot 3
    {{{"E4", "E3", "G2", "G1", "H4", "H3", "J5", "J4", "J3", "J2", "K6",
       "K5", "K4", "K3", "K2", "K1", "L6", "L5", "L2", "L1", "M5", "M6",
       "L4", "M3", "M2", "M1", "N6", "N5", "N4", "N3", "N2", "B13"}}},
};

constexpr slot_wiring hb711_connectors[] = {
    // slot 0
    {{{"AF4", "AD4", "AD5", "AC5", "AF5", "AE5", "AF6", "AD6", "AF13", "AE13", "K1",
       "K3",  "J5",  "K5",  "K6",  "K7",  "K8",  "K9",  "L1",  "L2",   "J9",   "J7",
       "K10", "L10", "L6",  "L7",  "L3",  "L4",  "M6",  "M8",  "L8",   "L9"}}},
    // slot 1
    {{{"AB9", "AA9", "W9", "W10", "V10", "V11", "AB11", "AA10", "AF14", "AD14", "U1",
       "U2",  "U3",  "U4", "Y1",  "Y3",  "V1",  "V3",   "AA1",  "AA2",  "U8",   "U9",
       "T6",  "U7",  "W1", "W2",  "W3",  "V4",  "W5",   "V5",   "Y5",   "Y6"}}},
    // slot 2
    {{{"V16",  "U15",  "Y16",  "W16",  "AA17", "Y17", "W18", "W17", "AF15", "AE15", "AE26",
       "AE25", "AC26", "AC25", "AA25", "AA26", "U22", "U21", "U26", "U25",  "T20",  "T19",
       "T26",  "T24",  "R21",  "R20",  "R24",  "R23", "P19", "P17", "P22",  "P21"}}},
    // slot 3
    {{{"G17", "H17", "F19", "G19", "F17", "G16", "E20", "F20", "N20", "N19", "L24",
       "L23", "N18", "N17", "J17", "J16", "F15", "G15", "D13", "E13", "A13", "C13",
       "A12", "B12", "A14", "B14", "E18", "F18", "E14", "F14", "H14", "K14"}}},
    // slot 4
    {{{"AC6", "AB7", "AA6", "AA7", "W7", "W8", "AA8", "Y9", "T9", "R10", "T4",
       "U5",  "T1",  "T3",  "T8",  "R8", "R7", "R6",  "R1", "R2", "R3",  "R4",
       "P8",  "R9",  "N7",  "N8",  "R5", "P5", "P6",  "N6", "P1", "P3"}}},
    // slot 5
    {{{"AB15", "AA15", "Y13", "W14", "AA12", "Y12", "AA11", "Y11", "N9",  "P10", "M9",
       "M10",  "V6",   "V7",  "AC4", "AB5",  "AE1", "AE2",  "AC1", "AC2", "AD1", "AD3",
       "AC3",  "AB4",  "AB1", "AB3", "AA3",  "AA4", "G10",  "H10", "J12", "K12"}}},
    // slot 6
    {{{"AC22", "AB22", "AB21", "AA21", "AB17", "AA18", "AB19", "AA19", "H13",  "J13", "R19",
       "R18",  "T23",  "T22",  "U24",  "U23",  "U20",  "U19",  "W26",  "W25",  "Y26", "Y24",
       "V26",  "V24",  "V21",  "V20",  "AA24", "AA23", "AB26", "AB24", "AD26", "AD24"}}},
    // slot 7
    {{{"A23", "B23",  "A22", "B22", "B21", "C21",  "D22",  "D21", "Y15", "AA16", "Y20",
       "W20", "AA22", "Y21", "W12", "V12", "AA13", "AB13", "V13", "U13", "V15",  "V14",
       "E12", "F12",  "H19", "H18", "N22", "N21",  "N24",  "N23", "P26", "P24"}}},
};

constexpr pin_type hb701_signals[] = {
    {"CLK", "181", se_in},     {"LED_Back", "184", se_out}, {"RD_n", "81", se_out},
    {"WR", "83", se_out},      {"RES_n", "80", se_in_up},   {"RXF_n", "58", se_in},
    {"TXE_n", "57", se_in},    {"UD<0>", "92", se_bidir},   {"UD<1>", "90", se_bidir},
    {"UD<2>", "87", se_bidir}, {"UD<3>", "86", se_bidir},   {"UD<4>", "74", se_bidir},
    {"UD<5>", "72", se_bidir}, {"UD<6>", "68", se_bidir},   {"UD<7>", "67", se_bidir}};

constexpr pin_type hb706_signals[] = {
    {"CLK", "181", se_in},         {"LED_Back", "184", se_out},   {"RES_n", "80", se_in_up},
    {"FXRD_n", "81", se_out},      {"FXWR_n", "83", se_out},      {"FXEmpty", "58", se_in},
    {"FXFull", "57", se_in},       {"FXClk", "77", se_in},        {"FXAddr<0>", "96", se_out},
    {"FXAddr<1>", "154", se_out},  {"FXSLOE_n", "50", se_out},    {"FXPEnd_n", "200", se_out},
    {"FXData<0>", "92", se_bidir}, {"FXData<1>", "90", se_bidir}, {"FXData<2>", "87", se_bidir},
    {"FXData<3>", "86", se_bidir}, {"FXData<4>", "74", se_bidir}, {"FXData<5>", "72", se_bidir},
    {"FXData<6>", "68", se_bidir}, {"FXData<7>", "67", se_bidir}};

constexpr pin_type hb709_signals[] = {
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

constexpr pin_type hb710_signals[] = {
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
constexpr pin_type hb711_main_signals[] = {
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

constexpr pin_type hb711_sfp1_signals[] = {
    {"SFP1_DETECT", "J11", se_in},     {"SFP1_I2C_SCL", "G11", se_out},
    {"SFP1_I2C_SDA", "E8", se_bidir},  {"SFP1_LOS", "G13", se_in},
    {"SFP1_RATE_SEL", "J15", se_out},  {"SFP1_TX_DISABLE", "H15", se_out},
    {"SFP1_TX_FAULT", "H12", se_in},   {"MGTCLK_01_n", "A10", lvds_in_n},
    {"MGTCLK_01_p", "B10", lvds_in_p}, {"MGT_0_RX_n", "C7", lvds_in_n},
    {"MGT_0_RX_p", "D7", lvds_in_p},   {"MGT_0_TX_n", "A6", lvds_out_n},
    {"MGT_0_TX_p", "B6", lvds_out_p}};

constexpr pin_type hb711_sfp2_signals[] = {
    {"SFP2_DETECT", "H5", se_in},      {"SFP2_I2C_SCL", "F16", se_out},
    {"SFP2_I2C_SDA", "F9", se_bidir},  {"SFP2_LOS", "D3", se_in},
    {"SFP2_RATE_SEL", "E4", se_out},   {"SFP2_TX_DISABLE", "E10", se_out},
    {"SFP2_TX_FAULT", "F10", se_in},   {"MGTCLK_23_n", "C15", lvds_in_n},
    {"MGTCLK_23_p", "D15", lvds_in_p}, {"MGT_2_RX_n", "C17", lvds_in_n},
    {"MGT_2_RX_p", "D17", lvds_in_p},  {"MGT_2_TX_n", "A18", lvds_out_n},
    {"MGT_2_TX_p", "B18", lvds_out_p}};

constexpr pin_type hb711_mgt1_signals[] = {{"MGT_1_RX_n", "C9", lvds_in_n},
                                           {"MGT_1_RX_p", "D9", lvds_in_p},
                                           {"MGT_1_TX_n", "A8", lvds_out_n},
                                           {"MGT_1_TX_p", "B8", lvds_out_p}};

constexpr pin_type hb711_mgt3_signals[] = {{"MGT_3_RX_n", "C19", lvds_in_n},
                                           {"MGT_3_RX_p", "D19", lvds_in_p},
                                           {"MGT_3_TX_n", "A20", lvds_out_n},
                                           {"MGT_3_TX_p", "B20", lvds_out_p}};

constexpr std::span<const pin_type> hb701_tables[] = {hb701_signals};
constexpr std::span<const pin_type> hb706_tables[] = {hb706_signals};
constexpr std::span<const pin_type> hb709_tables[] = {hb709_signals};
constexpr std::span<const pin_type> hb710_tables[] = {hb710_signals};
constexpr std::span<const pin_type> hb711_tables[] = {hb711_main_signals, hb711_sfp1_signals,
                                                      hb711_sfp2_signals, hb711_mgt1_signals,
                                                      hb711_mgt3_signals};

// 701 and 706 carry their FPGA in a 208-pin quad flat pack and name its
// pins "P181"; 709, 710 and 711 in a 676-ball grid of 26 rows and columns.
constexpr package_shape quad_flat_208 = {package_layout::quad_flat, 52, 52};
constexpr package_shape ball_grid_676 = {package_layout::ball_grid, 26, 26};

constexpr board_entry boards[] = {
    {701, "P", quad_flat_208, hb701_connectors, hb701_tables},
    {706, "P", quad_flat_208, hb706_connectors, hb706_tables},
    {709, "", ball_grid_676, hb709_connectors, hb709_tables},
    {710, "", ball_grid_676, hb710_connectors, hb710_tables},
    {711, "", ball_grid_676, hb711_connectors, hb711_tables},
};

}  // namespace

const std::span<const board_entry> builtin_boards = boards;

}  // namespace hbpins
