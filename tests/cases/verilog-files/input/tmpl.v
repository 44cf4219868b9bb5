module top (
    // QM_BEGIN
    // QM_END
    -- QM_BEGIN is no marker here
    input wire CLK
  );
  user_core core (
    // QM_MAP_BEGIN
    // QM_MAP_END
    .CLK(CLK)
  );
endmodule
