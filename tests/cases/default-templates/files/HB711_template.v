// Top level of an HB711 base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb711_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.

`default_nettype none

module hb711_top (
    // QM_BEGIN
    // QM_END
    input  wire         OSC1_CLK,
    input  wire         OSC2_CLK,
    input  wire         SW1_FRONT,
    input  wire         SW2_BACK,
    output wire         LED_FP_D_n,
    output wire         LED_FP_U_n,
    output wire         LED_BRD_R_n,
    output wire         LED_BRD_L_n,
    input  wire [ 4: 1] LVDS_p,
    input  wire [ 4: 1] LVDS_n,
    output wire         SDCARD_CD,
    output wire         SDCARD_CLK,
    output wire         SDCARD_CMD,
    inout  wire [ 3: 0] SDCARD_DA,
    input  wire         SDCARD_WP,
    inout  wire [ 7: 0] ACBUS_,
    inout  wire [ 7: 0] ADBUS_,
    inout  wire [ 6: 0] BCBUS_,
    inout  wire         USB_RSTP,
    input  wire         SFP1_DETECT,
    output wire         SFP1_I2C_SCL,
    inout  wire         SFP1_I2C_SDA,
    input  wire         SFP1_LOS,
    output wire         SFP1_RATE_SEL,
    output wire         SFP1_TX_DISABLE,
    input  wire         SFP1_TX_FAULT,
    input  wire         MGTCLK_01_n,
    input  wire         MGTCLK_01_p,
    input  wire         MGT_0_RX_n,
    input  wire         MGT_0_RX_p,
    output wire         MGT_0_TX_n,
    output wire         MGT_0_TX_p,
    input  wire         SFP2_DETECT,
    output wire         SFP2_I2C_SCL,
    inout  wire         SFP2_I2C_SDA,
    input  wire         SFP2_LOS,
    output wire         SFP2_RATE_SEL,
    output wire         SFP2_TX_DISABLE,
    input  wire         SFP2_TX_FAULT,
    input  wire         MGTCLK_23_n,
    input  wire         MGTCLK_23_p,
    input  wire         MGT_2_RX_n,
    input  wire         MGT_2_RX_p,
    output wire         MGT_2_TX_n,
    output wire         MGT_2_TX_p,
    input  wire         MGT_1_RX_n,
    input  wire         MGT_1_RX_p,
    output wire         MGT_1_TX_n,
    output wire         MGT_1_TX_p,
    input  wire         MGT_3_RX_n,
    input  wire         MGT_3_RX_p,
    output wire         MGT_3_TX_n,
    output wire         MGT_3_TX_p
  );

  // Add your own signals and logic here.

  hb711_core core (
    // QM_MAP_BEGIN
    // QM_MAP_END
    .OSC1_CLK           (OSC1_CLK),
    .OSC2_CLK           (OSC2_CLK),
    .SW1_FRONT          (SW1_FRONT),
    .SW2_BACK           (SW2_BACK),
    .LED_FP_D_n         (LED_FP_D_n),
    .LED_FP_U_n         (LED_FP_U_n),
    .LED_BRD_R_n        (LED_BRD_R_n),
    .LED_BRD_L_n        (LED_BRD_L_n),
    .LVDS_p             (LVDS_p),
    .LVDS_n             (LVDS_n),
    .SDCARD_CD          (SDCARD_CD),
    .SDCARD_CLK         (SDCARD_CLK),
    .SDCARD_CMD         (SDCARD_CMD),
    .SDCARD_DA          (SDCARD_DA),
    .SDCARD_WP          (SDCARD_WP),
    .ACBUS_             (ACBUS_),
    .ADBUS_             (ADBUS_),
    .BCBUS_             (BCBUS_),
    .USB_RSTP           (USB_RSTP),
    .SFP1_DETECT        (SFP1_DETECT),
    .SFP1_I2C_SCL       (SFP1_I2C_SCL),
    .SFP1_I2C_SDA       (SFP1_I2C_SDA),
    .SFP1_LOS           (SFP1_LOS),
    .SFP1_RATE_SEL      (SFP1_RATE_SEL),
    .SFP1_TX_DISABLE    (SFP1_TX_DISABLE),
    .SFP1_TX_FAULT      (SFP1_TX_FAULT),
    .MGTCLK_01_n        (MGTCLK_01_n),
    .MGTCLK_01_p        (MGTCLK_01_p),
    .MGT_0_RX_n         (MGT_0_RX_n),
    .MGT_0_RX_p         (MGT_0_RX_p),
    .MGT_0_TX_n         (MGT_0_TX_n),
    .MGT_0_TX_p         (MGT_0_TX_p),
    .SFP2_DETECT        (SFP2_DETECT),
    .SFP2_I2C_SCL       (SFP2_I2C_SCL),
    .SFP2_I2C_SDA       (SFP2_I2C_SDA),
    .SFP2_LOS           (SFP2_LOS),
    .SFP2_RATE_SEL      (SFP2_RATE_SEL),
    .SFP2_TX_DISABLE    (SFP2_TX_DISABLE),
    .SFP2_TX_FAULT      (SFP2_TX_FAULT),
    .MGTCLK_23_n        (MGTCLK_23_n),
    .MGTCLK_23_p        (MGTCLK_23_p),
    .MGT_2_RX_n         (MGT_2_RX_n),
    .MGT_2_RX_p         (MGT_2_RX_p),
    .MGT_2_TX_n         (MGT_2_TX_n),
    .MGT_2_TX_p         (MGT_2_TX_p),
    .MGT_1_RX_n         (MGT_1_RX_n),
    .MGT_1_RX_p         (MGT_1_RX_p),
    .MGT_1_TX_n         (MGT_1_TX_n),
    .MGT_1_TX_p         (MGT_1_TX_p),
    .MGT_3_RX_n         (MGT_3_RX_n),
    .MGT_3_RX_p         (MGT_3_RX_p),
    .MGT_3_TX_n         (MGT_3_TX_n),
    .MGT_3_TX_p         (MGT_3_TX_p)
  );

endmodule

`default_nettype wire
