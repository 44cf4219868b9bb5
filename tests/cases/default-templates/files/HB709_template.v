// Top level of an HB709 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb709_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.

`default_nettype none

module hb709_top (
    // QM_BEGIN
    // QM_END
    input  wire         CLK,
    output wire         LED_Back,
    input  wire         RES_n,
    output wire         FXRD_n,
    output wire         FXWR_n,
    input  wire         FXEmpty,
    input  wire         FXFull,
    output wire         FXClk,
    output wire [ 1: 0] FXAddr,
    output wire         FXSLOE_n,
    output wire         FXPEnd_n,
    inout  wire [ 7: 0] FXData
  );

  // Add your own signals and logic here.

  hb709_core core (
    // QM_MAP_BEGIN
    // QM_MAP_END
    .CLK                (CLK),
    .LED_Back           (LED_Back),
    .RES_n              (RES_n),
    .FXRD_n             (FXRD_n),
    .FXWR_n             (FXWR_n),
    .FXEmpty            (FXEmpty),
    .FXFull             (FXFull),
    .FXClk              (FXClk),
    .FXAddr             (FXAddr),
    .FXSLOE_n           (FXSLOE_n),
    .FXPEnd_n           (FXPEnd_n),
    .FXData             (FXData)
  );

endmodule

`default_nettype wire
