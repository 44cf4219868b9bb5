// Top level of an HB701 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb701_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.

`default_nettype none

module hb701_top (
// QM703 on slot 0
    input  wire [ 4: 1] QM0_D_IN_p,
    input  wire [ 4: 1] QM0_D_IN_n,
    output wire         QM0_SDI_DAC,
    output wire         QM0_SCLK_DAC,
    output wire         QM0_LDAC_n,
    output wire         QM0_CS_TH_n,
    output wire         QM0_CS_HYS_n,
    input  wire [ 4: 1] QM0_DIN,
    output wire [ 4: 1] QM0_DOUT,
    output wire [ 4: 1] QM0_DOE_n,
    output wire [ 5: 1] QM0_LED_n,
// QM726 on slot 1
    output wire [32: 1] QM1_LEDn,
// Slot 2 is empty
// Slot 3 is empty
    input  wire         CLK,
    output wire         LED_Back,
    output wire         RD_n,
    output wire         WR,
    input  wire         RES_n,
    input  wire         RXF_n,
    input  wire         TXE_n,
    inout  wire [ 7: 0] UD
  );

  // Add your own signals and logic here.

  hb701_core core (
// QM703 on slot 0
    .QM0_D_IN_p         (QM0_D_IN_p),
    .QM0_D_IN_n         (QM0_D_IN_n),
    .QM0_SDI_DAC        (QM0_SDI_DAC),
    .QM0_SCLK_DAC       (QM0_SCLK_DAC),
    .QM0_LDAC_n         (QM0_LDAC_n),
    .QM0_CS_TH_n        (QM0_CS_TH_n),
    .QM0_CS_HYS_n       (QM0_CS_HYS_n),
    .QM0_DIN            (QM0_DIN),
    .QM0_DOUT           (QM0_DOUT),
    .QM0_DOE_n          (QM0_DOE_n),
    .QM0_LED_n          (QM0_LED_n),
// QM726 on slot 1
    .QM1_LEDn           (QM1_LEDn),
// Slot 2 is empty
// Slot 3 is empty
    .CLK                (CLK),
    .LED_Back           (LED_Back),
    .RD_n               (RD_n),
    .WR                 (WR),
    .RES_n              (RES_n),
    .RXF_n              (RXF_n),
    .TXE_n              (TXE_n),
    .UD                 (UD)
  );

endmodule

`default_nettype wire
