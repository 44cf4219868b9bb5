// Top level of an HB712 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb712_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.

`default_nettype none

module hb712_top (
// QM722 on slot 0
    input  wire [ 5: 1] QM0_DIN,
    output wire [ 5: 1] QM0_DOUT,
    output wire [ 5: 1] QM0_DOEn,
    output wire [ 5: 1] QM0_LEDn,
// QM704 on slot 1
    input  wire [ 5: 1] QM1_INTTL,
    output wire [ 5: 1] QM1_OUTP,
    input  wire [ 5: 1] QM1_INECL,
    output wire [ 5: 1] QM1_OE_n,
    output wire [ 5: 1] QM1_LED_n,
    output wire [ 5: 1] QM1_TERM,
// QM735 on slot 2
    output wire         QM2_SCL,
    inout  wire         QM2_SDA,
    input  wire [13: 0] QM2_DATA,
    output wire         QM2_GI_GATE,
    output wire [ 3: 1] QM2_SPARE,
    output wire [ 1: 0] QM2_FREQ,
    output wire         QM2_CLK_CPU,
    output wire         QM2_RESET,
    output wire         QM2_SEn,
    input  wire         QM2_SDRD,
    output wire         QM2_SDATA,
    output wire         QM2_SCLKn,
    output wire         QM2_CLKn,
    output wire         QM2_CLKp,
// Slot 3 is empty
// QM760 on slot 4
    input  wire         QM4_CLK_p,
    input  wire         QM4_CLK_n,
    input  wire [ 1: 0] QM4_DATA,
    output wire         QM4_LED_n,
    inout  wire         QM4_SDA,
// Slot 5 is empty
    input  wire         CLK,
    output wire [ 3: 0] LED,
    input  wire         RESET_n,
    input  wire         SYNC_p,
    input  wire         SYNC_n,
    output wire         TRIG_OUT_p,
    output wire         TRIG_OUT_n,
    inout  wire         SDA,
    output wire         SCL
  );

  // Add your own signals and logic here.

  hb712_core core (
// QM722 on slot 0
    .QM0_DIN            (QM0_DIN),
    .QM0_DOUT           (QM0_DOUT),
    .QM0_DOEn           (QM0_DOEn),
    .QM0_LEDn           (QM0_LEDn),
// QM704 on slot 1
    .QM1_INTTL          (QM1_INTTL),
    .QM1_OUTP           (QM1_OUTP),
    .QM1_INECL          (QM1_INECL),
    .QM1_OE_n           (QM1_OE_n),
    .QM1_LED_n          (QM1_LED_n),
    .QM1_TERM           (QM1_TERM),
// QM735 on slot 2
    .QM2_SCL            (QM2_SCL),
    .QM2_SDA            (QM2_SDA),
    .QM2_DATA           (QM2_DATA),
    .QM2_GI_GATE        (QM2_GI_GATE),
    .QM2_SPARE          (QM2_SPARE),
    .QM2_FREQ           (QM2_FREQ),
    .QM2_CLK_CPU        (QM2_CLK_CPU),
    .QM2_RESET          (QM2_RESET),
    .QM2_SEn            (QM2_SEn),
    .QM2_SDRD           (QM2_SDRD),
    .QM2_SDATA          (QM2_SDATA),
    .QM2_SCLKn          (QM2_SCLKn),
    .QM2_CLKn           (QM2_CLKn),
    .QM2_CLKp           (QM2_CLKp),
// Slot 3 is empty
// QM760 on slot 4
    .QM4_CLK_p          (QM4_CLK_p),
    .QM4_CLK_n          (QM4_CLK_n),
    .QM4_DATA           (QM4_DATA),
    .QM4_LED_n          (QM4_LED_n),
    .QM4_SDA            (QM4_SDA),
// Slot 5 is empty
    .CLK                (CLK),
    .LED                (LED),
    .RESET_n            (RESET_n),
    .SYNC_p             (SYNC_p),
    .SYNC_n             (SYNC_n),
    .TRIG_OUT_p         (TRIG_OUT_p),
    .TRIG_OUT_n         (TRIG_OUT_n),
    .SDA                (SDA),
    .SCL                (SCL)
  );

endmodule

`default_nettype wire
