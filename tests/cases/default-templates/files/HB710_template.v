// Top level of an HB710 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb710_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.

`default_nettype none

module hb710_top (
    // QM_BEGIN
    // QM_END
    input  wire         HB710_I_CLK100,
    input  wire         HB710_I_SYSRESET,
    input  wire         HB710_I_NDS0,
    input  wire         HB710_I_NDS1,
    input  wire         HB710_I_NAS,
    input  wire         HB710_I_NWRITE,
    input  wire         HB710_I_NLWORD,
    input  wire [ 5: 0] HB710_I_AM,
    input  wire [23:19] HB710_I_STD_ADR,
    input  wire [18: 1] HB710_I_IADR,
    output wire         HB710_O_NDTACK,
    inout  wire [31: 0] HB710_IO_IDAT,
    output wire         HB710_O_NIRQ1,
    output wire         HB710_O_NIRQ2,
    output wire         HB710_O_NIRQ3,
    output wire         HB710_O_NIRQ4,
    output wire         HB710_O_NIRQ5,
    output wire         HB710_O_NIRQ6,
    output wire         HB710_O_NIRQ7,
    input  wire         HB710_I_NIACKIN,
    output wire         HB710_O_NIACKOUT,
    output wire         HB710_O_NEN_BUFF,
    output wire         HB710_O_NDAT2VME,
    input  wire [ 7: 0] HB710_I_SWI_ADR,
    output wire         HB710_O_LED_PWR,
    output wire         HB710_O_LED_SEL,
    output wire         HB710_O_LED_INT,
    output wire         HB710_O_LED_MOD
  );

  // Add your own signals and logic here.

  hb710_core core (
    // QM_MAP_BEGIN
    // QM_MAP_END
    .HB710_I_CLK100     (HB710_I_CLK100),
    .HB710_I_SYSRESET   (HB710_I_SYSRESET),
    .HB710_I_NDS0       (HB710_I_NDS0),
    .HB710_I_NDS1       (HB710_I_NDS1),
    .HB710_I_NAS        (HB710_I_NAS),
    .HB710_I_NWRITE     (HB710_I_NWRITE),
    .HB710_I_NLWORD     (HB710_I_NLWORD),
    .HB710_I_AM         (HB710_I_AM),
    .HB710_I_STD_ADR    (HB710_I_STD_ADR),
    .HB710_I_IADR       (HB710_I_IADR),
    .HB710_O_NDTACK     (HB710_O_NDTACK),
    .HB710_IO_IDAT      (HB710_IO_IDAT),
    .HB710_O_NIRQ1      (HB710_O_NIRQ1),
    .HB710_O_NIRQ2      (HB710_O_NIRQ2),
    .HB710_O_NIRQ3      (HB710_O_NIRQ3),
    .HB710_O_NIRQ4      (HB710_O_NIRQ4),
    .HB710_O_NIRQ5      (HB710_O_NIRQ5),
    .HB710_O_NIRQ6      (HB710_O_NIRQ6),
    .HB710_O_NIRQ7      (HB710_O_NIRQ7),
    .HB710_I_NIACKIN    (HB710_I_NIACKIN),
    .HB710_O_NIACKOUT   (HB710_O_NIACKOUT),
    .HB710_O_NEN_BUFF   (HB710_O_NEN_BUFF),
    .HB710_O_NDAT2VME   (HB710_O_NDAT2VME),
    .HB710_I_SWI_ADR    (HB710_I_SWI_ADR),
    .HB710_O_LED_PWR    (HB710_O_LED_PWR),
    .HB710_O_LED_SEL    (HB710_O_LED_SEL),
    .HB710_O_LED_INT    (HB710_O_LED_INT),
    .HB710_O_LED_MOD    (HB710_O_LED_MOD)
  );

endmodule

`default_nettype wire
