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
    // QM_BEGIN
    // QM_END
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
    // QM_MAP_BEGIN
    // QM_MAP_END
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
