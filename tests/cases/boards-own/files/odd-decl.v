    input  wire         CLK,
    output wire         \end ,
    inout  wire [ 1: 0] DATA_,
    input  wire         RX_p,
    input  wire         RX_n,
// QM722 on slot 0
    input  wire [ 5: 5] QM0_DIN,
