-- Top level of an HB711 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb711_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.
-- Board signals whose names end in an underscore are extended identifiers
-- (\ACBUS_\), so that they keep the names of the constraints file.

library ieee;
use ieee.std_logic_1164.all;

entity hb711_top is
  port (
    -- QM_BEGIN
    -- QM_END
    OSC1_CLK            : in     std_logic;
    OSC2_CLK            : in     std_logic;
    SW1_FRONT           : in     std_logic;
    SW2_BACK            : in     std_logic;
    LED_FP_D_n          : out    std_logic;
    LED_FP_U_n          : out    std_logic;
    LED_BRD_R_n         : out    std_logic;
    LED_BRD_L_n         : out    std_logic;
    LVDS_p              : in     std_logic_vector( 4 downto  1);
    LVDS_n              : in     std_logic_vector( 4 downto  1);
    SDCARD_CD           : out    std_logic;
    SDCARD_CLK          : out    std_logic;
    SDCARD_CMD          : out    std_logic;
    SDCARD_DA           : inout  std_logic_vector( 3 downto  0);
    SDCARD_WP           : in     std_logic;
    \ACBUS_\            : inout  std_logic_vector( 7 downto  0);
    \ADBUS_\            : inout  std_logic_vector( 7 downto  0);
    \BCBUS_\            : inout  std_logic_vector( 6 downto  0);
    USB_RSTP            : inout  std_logic;
    SFP1_DETECT         : in     std_logic;
    SFP1_I2C_SCL        : out    std_logic;
    SFP1_I2C_SDA        : inout  std_logic;
    SFP1_LOS            : in     std_logic;
    SFP1_RATE_SEL       : out    std_logic;
    SFP1_TX_DISABLE     : out    std_logic;
    SFP1_TX_FAULT       : in     std_logic;
    MGTCLK_01_n         : in     std_logic;
    MGTCLK_01_p         : in     std_logic;
    MGT_0_RX_n          : in     std_logic;
    MGT_0_RX_p          : in     std_logic;
    MGT_0_TX_n          : out    std_logic;
    MGT_0_TX_p          : out    std_logic;
    SFP2_DETECT         : in     std_logic;
    SFP2_I2C_SCL        : out    std_logic;
    SFP2_I2C_SDA        : inout  std_logic;
    SFP2_LOS            : in     std_logic;
    SFP2_RATE_SEL       : out    std_logic;
    SFP2_TX_DISABLE     : out    std_logic;
    SFP2_TX_FAULT       : in     std_logic;
    MGTCLK_23_n         : in     std_logic;
    MGTCLK_23_p         : in     std_logic;
    MGT_2_RX_n          : in     std_logic;
    MGT_2_RX_p          : in     std_logic;
    MGT_2_TX_n          : out    std_logic;
    MGT_2_TX_p          : out    std_logic;
    MGT_1_RX_n          : in     std_logic;
    MGT_1_RX_p          : in     std_logic;
    MGT_1_TX_n          : out    std_logic;
    MGT_1_TX_p          : out    std_logic;
    MGT_3_RX_n          : in     std_logic;
    MGT_3_RX_p          : in     std_logic;
    MGT_3_TX_n          : out    std_logic;
    MGT_3_TX_p          : out    std_logic
  );
end entity hb711_top;

architecture structure of hb711_top is

  component hb711_core is
    port (
      -- QM_BEGIN
      -- QM_END
      OSC1_CLK            : in     std_logic;
      OSC2_CLK            : in     std_logic;
      SW1_FRONT           : in     std_logic;
      SW2_BACK            : in     std_logic;
      LED_FP_D_n          : out    std_logic;
      LED_FP_U_n          : out    std_logic;
      LED_BRD_R_n         : out    std_logic;
      LED_BRD_L_n         : out    std_logic;
      LVDS_p              : in     std_logic_vector( 4 downto  1);
      LVDS_n              : in     std_logic_vector( 4 downto  1);
      SDCARD_CD           : out    std_logic;
      SDCARD_CLK          : out    std_logic;
      SDCARD_CMD          : out    std_logic;
      SDCARD_DA           : inout  std_logic_vector( 3 downto  0);
      SDCARD_WP           : in     std_logic;
      \ACBUS_\            : inout  std_logic_vector( 7 downto  0);
      \ADBUS_\            : inout  std_logic_vector( 7 downto  0);
      \BCBUS_\            : inout  std_logic_vector( 6 downto  0);
      USB_RSTP            : inout  std_logic;
      SFP1_DETECT         : in     std_logic;
      SFP1_I2C_SCL        : out    std_logic;
      SFP1_I2C_SDA        : inout  std_logic;
      SFP1_LOS            : in     std_logic;
      SFP1_RATE_SEL       : out    std_logic;
      SFP1_TX_DISABLE     : out    std_logic;
      SFP1_TX_FAULT       : in     std_logic;
      MGTCLK_01_n         : in     std_logic;
      MGTCLK_01_p         : in     std_logic;
      MGT_0_RX_n          : in     std_logic;
      MGT_0_RX_p          : in     std_logic;
      MGT_0_TX_n          : out    std_logic;
      MGT_0_TX_p          : out    std_logic;
      SFP2_DETECT         : in     std_logic;
      SFP2_I2C_SCL        : out    std_logic;
      SFP2_I2C_SDA        : inout  std_logic;
      SFP2_LOS            : in     std_logic;
      SFP2_RATE_SEL       : out    std_logic;
      SFP2_TX_DISABLE     : out    std_logic;
      SFP2_TX_FAULT       : in     std_logic;
      MGTCLK_23_n         : in     std_logic;
      MGTCLK_23_p         : in     std_logic;
      MGT_2_RX_n          : in     std_logic;
      MGT_2_RX_p          : in     std_logic;
      MGT_2_TX_n          : out    std_logic;
      MGT_2_TX_p          : out    std_logic;
      MGT_1_RX_n          : in     std_logic;
      MGT_1_RX_p          : in     std_logic;
      MGT_1_TX_n          : out    std_logic;
      MGT_1_TX_p          : out    std_logic;
      MGT_3_RX_n          : in     std_logic;
      MGT_3_RX_p          : in     std_logic;
      MGT_3_TX_n          : out    std_logic;
      MGT_3_TX_p          : out    std_logic
    );
  end component hb711_core;

begin

  -- Add your own signals and logic here.

  core : hb711_core
    port map (
      -- QM_MAP_BEGIN
      -- QM_MAP_END
      OSC1_CLK            => OSC1_CLK,
      OSC2_CLK            => OSC2_CLK,
      SW1_FRONT           => SW1_FRONT,
      SW2_BACK            => SW2_BACK,
      LED_FP_D_n          => LED_FP_D_n,
      LED_FP_U_n          => LED_FP_U_n,
      LED_BRD_R_n         => LED_BRD_R_n,
      LED_BRD_L_n         => LED_BRD_L_n,
      LVDS_p              => LVDS_p,
      LVDS_n              => LVDS_n,
      SDCARD_CD           => SDCARD_CD,
      SDCARD_CLK          => SDCARD_CLK,
      SDCARD_CMD          => SDCARD_CMD,
      SDCARD_DA           => SDCARD_DA,
      SDCARD_WP           => SDCARD_WP,
      \ACBUS_\            => \ACBUS_\,
      \ADBUS_\            => \ADBUS_\,
      \BCBUS_\            => \BCBUS_\,
      USB_RSTP            => USB_RSTP,
      SFP1_DETECT         => SFP1_DETECT,
      SFP1_I2C_SCL        => SFP1_I2C_SCL,
      SFP1_I2C_SDA        => SFP1_I2C_SDA,
      SFP1_LOS            => SFP1_LOS,
      SFP1_RATE_SEL       => SFP1_RATE_SEL,
      SFP1_TX_DISABLE     => SFP1_TX_DISABLE,
      SFP1_TX_FAULT       => SFP1_TX_FAULT,
      MGTCLK_01_n         => MGTCLK_01_n,
      MGTCLK_01_p         => MGTCLK_01_p,
      MGT_0_RX_n          => MGT_0_RX_n,
      MGT_0_RX_p          => MGT_0_RX_p,
      MGT_0_TX_n          => MGT_0_TX_n,
      MGT_0_TX_p          => MGT_0_TX_p,
      SFP2_DETECT         => SFP2_DETECT,
      SFP2_I2C_SCL        => SFP2_I2C_SCL,
      SFP2_I2C_SDA        => SFP2_I2C_SDA,
      SFP2_LOS            => SFP2_LOS,
      SFP2_RATE_SEL       => SFP2_RATE_SEL,
      SFP2_TX_DISABLE     => SFP2_TX_DISABLE,
      SFP2_TX_FAULT       => SFP2_TX_FAULT,
      MGTCLK_23_n         => MGTCLK_23_n,
      MGTCLK_23_p         => MGTCLK_23_p,
      MGT_2_RX_n          => MGT_2_RX_n,
      MGT_2_RX_p          => MGT_2_RX_p,
      MGT_2_TX_n          => MGT_2_TX_n,
      MGT_2_TX_p          => MGT_2_TX_p,
      MGT_1_RX_n          => MGT_1_RX_n,
      MGT_1_RX_p          => MGT_1_RX_p,
      MGT_1_TX_n          => MGT_1_TX_n,
      MGT_1_TX_p          => MGT_1_TX_p,
      MGT_3_RX_n          => MGT_3_RX_n,
      MGT_3_RX_p          => MGT_3_RX_p,
      MGT_3_TX_n          => MGT_3_TX_n,
      MGT_3_TX_p          => MGT_3_TX_p
    );

end architecture structure;
