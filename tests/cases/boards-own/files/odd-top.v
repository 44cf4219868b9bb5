// Top level of an HB716 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb716_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.
// Board signals whose names are keywords are escaped identifiers (\end ), so
// that they keep the names of the constraints file.

`default_nettype none

module hb716_top (
// QM722 on slot 0
    input  wire [ 5: 5] QM0_DIN,
    input  wire         CLK,
    output wire         \end ,
    inout  wire [ 1: 0] DATA_,
    input  wire         RX_p,
    input  wire         RX_n
  );

  // Add your own signals and logic here.

  hb716_core core (
// QM722 on slot 0
    .QM0_DIN            (QM0_DIN),
    .CLK                (CLK),
    .\end               (\end ),
    .DATA_              (DATA_),
    .RX_p               (RX_p),
    .RX_n               (RX_n)
  );

endmodule

`default_nettype wire
