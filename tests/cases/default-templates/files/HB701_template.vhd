-- Top level of an HB701 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb701_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.

library ieee;
use ieee.std_logic_1164.all;

entity hb701_top is
  port (
    -- QM_BEGIN
    -- QM_END
    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RD_n                : out    std_logic;
    WR                  : out    std_logic;
    RES_n               : in     std_logic;
    RXF_n               : in     std_logic;
    TXE_n               : in     std_logic;
    UD                  : inout  std_logic_vector( 7 downto  0)
  );
end entity hb701_top;

architecture structure of hb701_top is

  component hb701_core is
    port (
      -- QM_BEGIN
      -- QM_END
      CLK                 : in     std_logic;
      LED_Back            : out    std_logic;
      RD_n                : out    std_logic;
      WR                  : out    std_logic;
      RES_n               : in     std_logic;
      RXF_n               : in     std_logic;
      TXE_n               : in     std_logic;
      UD                  : inout  std_logic_vector( 7 downto  0)
    );
  end component hb701_core;

begin

  -- Add your own signals and logic here.

  core : hb701_core
    port map (
      -- QM_MAP_BEGIN
      -- QM_MAP_END
      CLK                 => CLK,
      LED_Back            => LED_Back,
      RD_n                => RD_n,
      WR                  => WR,
      RES_n               => RES_n,
      RXF_n               => RXF_n,
      TXE_n               => TXE_n,
      UD                  => UD
    );

end architecture structure;
