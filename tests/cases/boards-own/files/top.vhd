-- Top level of an HB712 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb712_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.

library ieee;
use ieee.std_logic_1164.all;

entity hb712_top is
  port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- QM704 on slot 1
    QM1_INTTL           : in     std_logic_vector( 5 downto  1);
    QM1_OUTP            : out    std_logic_vector( 5 downto  1);
    QM1_INECL           : in     std_logic_vector( 5 downto  1);
    QM1_OE_n            : out    std_logic_vector( 5 downto  1);
    QM1_LED_n           : out    std_logic_vector( 5 downto  1);
    QM1_TERM            : out    std_logic_vector( 5 downto  1);
-- QM735 on slot 2
    QM2_SCL             : out    std_logic;
    QM2_SDA             : inout  std_logic;
    QM2_DATA            : in     std_logic_vector(13 downto  0);
    QM2_GI_GATE         : out    std_logic;
    QM2_SPARE           : out    std_logic_vector( 3 downto  1);
    QM2_FREQ            : out    std_logic_vector( 1 downto  0);
    QM2_CLK_CPU         : out    std_logic;
    QM2_RESET           : out    std_logic;
    QM2_SEn             : out    std_logic;
    QM2_SDRD            : in     std_logic;
    QM2_SDATA           : out    std_logic;
    QM2_SCLKn           : out    std_logic;
    QM2_CLKn            : out    std_logic;
    QM2_CLKp            : out    std_logic;
-- Slot 3 is empty
-- QM760 on slot 4
    QM4_CLK_p           : in     std_logic;
    QM4_CLK_n           : in     std_logic;
    QM4_DATA            : in     std_logic_vector( 1 downto  0);
    QM4_LED_n           : out    std_logic;
    QM4_SDA             : inout  std_logic;
-- Slot 5 is empty
    CLK                 : in     std_logic;
    LED                 : out    std_logic_vector( 3 downto  0);
    RESET_n             : in     std_logic;
    SYNC_p              : in     std_logic;
    SYNC_n              : in     std_logic;
    TRIG_OUT_p          : out    std_logic;
    TRIG_OUT_n          : out    std_logic;
    SDA                 : inout  std_logic;
    SCL                 : out    std_logic
  );
end entity hb712_top;

architecture structure of hb712_top is

  component hb712_core is
    port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- QM704 on slot 1
    QM1_INTTL           : in     std_logic_vector( 5 downto  1);
    QM1_OUTP            : out    std_logic_vector( 5 downto  1);
    QM1_INECL           : in     std_logic_vector( 5 downto  1);
    QM1_OE_n            : out    std_logic_vector( 5 downto  1);
    QM1_LED_n           : out    std_logic_vector( 5 downto  1);
    QM1_TERM            : out    std_logic_vector( 5 downto  1);
-- QM735 on slot 2
    QM2_SCL             : out    std_logic;
    QM2_SDA             : inout  std_logic;
    QM2_DATA            : in     std_logic_vector(13 downto  0);
    QM2_GI_GATE         : out    std_logic;
    QM2_SPARE           : out    std_logic_vector( 3 downto  1);
    QM2_FREQ            : out    std_logic_vector( 1 downto  0);
    QM2_CLK_CPU         : out    std_logic;
    QM2_RESET           : out    std_logic;
    QM2_SEn             : out    std_logic;
    QM2_SDRD            : in     std_logic;
    QM2_SDATA           : out    std_logic;
    QM2_SCLKn           : out    std_logic;
    QM2_CLKn            : out    std_logic;
    QM2_CLKp            : out    std_logic;
-- Slot 3 is empty
-- QM760 on slot 4
    QM4_CLK_p           : in     std_logic;
    QM4_CLK_n           : in     std_logic;
    QM4_DATA            : in     std_logic_vector( 1 downto  0);
    QM4_LED_n           : out    std_logic;
    QM4_SDA             : inout  std_logic;
-- Slot 5 is empty
      CLK                 : in     std_logic;
      LED                 : out    std_logic_vector( 3 downto  0);
      RESET_n             : in     std_logic;
      SYNC_p              : in     std_logic;
      SYNC_n              : in     std_logic;
      TRIG_OUT_p          : out    std_logic;
      TRIG_OUT_n          : out    std_logic;
      SDA                 : inout  std_logic;
      SCL                 : out    std_logic
    );
  end component hb712_core;

begin

  -- Add your own signals and logic here.

  core : hb712_core
    port map (
-- QM722 on slot 0
    QM0_DIN             => QM0_DIN,
    QM0_DOUT            => QM0_DOUT,
    QM0_DOEn            => QM0_DOEn,
    QM0_LEDn            => QM0_LEDn,
-- QM704 on slot 1
    QM1_INTTL           => QM1_INTTL,
    QM1_OUTP            => QM1_OUTP,
    QM1_INECL           => QM1_INECL,
    QM1_OE_n            => QM1_OE_n,
    QM1_LED_n           => QM1_LED_n,
    QM1_TERM            => QM1_TERM,
-- QM735 on slot 2
    QM2_SCL             => QM2_SCL,
    QM2_SDA             => QM2_SDA,
    QM2_DATA            => QM2_DATA,
    QM2_GI_GATE         => QM2_GI_GATE,
    QM2_SPARE           => QM2_SPARE,
    QM2_FREQ            => QM2_FREQ,
    QM2_CLK_CPU         => QM2_CLK_CPU,
    QM2_RESET           => QM2_RESET,
    QM2_SEn             => QM2_SEn,
    QM2_SDRD            => QM2_SDRD,
    QM2_SDATA           => QM2_SDATA,
    QM2_SCLKn           => QM2_SCLKn,
    QM2_CLKn            => QM2_CLKn,
    QM2_CLKp            => QM2_CLKp,
-- Slot 3 is empty
-- QM760 on slot 4
    QM4_CLK_p           => QM4_CLK_p,
    QM4_CLK_n           => QM4_CLK_n,
    QM4_DATA            => QM4_DATA,
    QM4_LED_n           => QM4_LED_n,
    QM4_SDA             => QM4_SDA,
-- Slot 5 is empty
      CLK                 => CLK,
      LED                 => LED,
      RESET_n             => RESET_n,
      SYNC_p              => SYNC_p,
      SYNC_n              => SYNC_n,
      TRIG_OUT_p          => TRIG_OUT_p,
      TRIG_OUT_n          => TRIG_OUT_n,
      SDA                 => SDA,
      SCL                 => SCL
    );

end architecture structure;
