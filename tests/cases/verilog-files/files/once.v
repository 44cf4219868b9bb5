module top (
// Slot 0 is empty
// Slot 1 is empty
// Slot 2 is empty
// Slot 3 is empty
    -- QM_BEGIN is no marker here
    input wire CLK
  );
  user_core core (
// Slot 0 is empty
// Slot 1 is empty
// Slot 2 is empty
// Slot 3 is empty
    .CLK(CLK)
  );
endmodule
