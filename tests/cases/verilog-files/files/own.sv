module top (
// QM704 on slot 0
    input  wire [ 5: 1] QM0_INTTL,
    output wire [ 5: 1] QM0_OUTP,
    input  wire [ 5: 1] QM0_INECL,
    output wire [ 5: 1] QM0_OE_n,
    output wire [ 5: 1] QM0_LED_n,
    output wire [ 5: 1] QM0_TERM,
// Slot 1 is empty
// Slot 2 is empty
// Slot 3 is empty
    -- QM_BEGIN is no marker here
    input wire CLK
  );
  user_core core (
// QM704 on slot 0
    .QM0_INTTL          (QM0_INTTL),
    .QM0_OUTP           (QM0_OUTP),
    .QM0_INECL          (QM0_INECL),
    .QM0_OE_n           (QM0_OE_n),
    .QM0_LED_n          (QM0_LED_n),
    .QM0_TERM           (QM0_TERM),
// Slot 1 is empty
// Slot 2 is empty
// Slot 3 is empty
    .CLK(CLK)
  );
endmodule
