-- Top level of an HB706 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb706_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.

library ieee;
use ieee.std_logic_1164.all;

entity hb706_top is
  port (
    -- QM_BEGIN
    -- QM_END
    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RES_n               : in     std_logic;
    FXRD_n              : out    std_logic;
    FXWR_n              : out    std_logic;
    FXEmpty             : in     std_logic;
    FXFull              : in     std_logic;
    FXClk               : in     std_logic;
    FXAddr              : out    std_logic_vector( 1 downto  0);
    FXSLOE_n            : out    std_logic;
    FXPEnd_n            : out    std_logic;
    FXData              : inout  std_logic_vector( 7 downto  0)
  );
end entity hb706_top;

architecture structure of hb706_top is

  component hb706_core is
    port (
      -- QM_BEGIN
      -- QM_END
      CLK                 : in     std_logic;
      LED_Back            : out    std_logic;
      RES_n               : in     std_logic;
      FXRD_n              : out    std_logic;
      FXWR_n              : out    std_logic;
      FXEmpty             : in     std_logic;
      FXFull              : in     std_logic;
      FXClk               : in     std_logic;
      FXAddr              : out    std_logic_vector( 1 downto  0);
      FXSLOE_n            : out    std_logic;
      FXPEnd_n            : out    std_logic;
      FXData              : inout  std_logic_vector( 7 downto  0)
    );
  end component hb706_core;

begin

  -- Add your own signals and logic here.

  core : hb706_core
    port map (
      -- QM_MAP_BEGIN
      -- QM_MAP_END
      CLK                 => CLK,
      LED_Back            => LED_Back,
      RES_n               => RES_n,
      FXRD_n              => FXRD_n,
      FXWR_n              => FXWR_n,
      FXEmpty             => FXEmpty,
      FXFull              => FXFull,
      FXClk               => FXClk,
      FXAddr              => FXAddr,
      FXSLOE_n            => FXSLOE_n,
      FXPEnd_n            => FXPEnd_n,
      FXData              => FXData
    );

end architecture structure;
