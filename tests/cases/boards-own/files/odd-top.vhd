-- Top level of an HB716 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb716_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.
-- Board signals whose names are no basic identifiers are extended identifiers
-- (\end\), so that they keep the names of the constraints file.

library ieee;
use ieee.std_logic_1164.all;

entity hb716_top is
  port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  5);
    CLK                 : in     std_logic;
    \end\               : out    std_logic;
    \DATA_\             : inout  std_logic_vector( 1 downto  0);
    RX_p                : in     std_logic;
    RX_n                : in     std_logic
  );
end entity hb716_top;

architecture structure of hb716_top is

  component hb716_core is
    port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  5);
      CLK                 : in     std_logic;
      \end\               : out    std_logic;
      \DATA_\             : inout  std_logic_vector( 1 downto  0);
      RX_p                : in     std_logic;
      RX_n                : in     std_logic
    );
  end component hb716_core;

begin

  -- Add your own signals and logic here.

  core : hb716_core
    port map (
-- QM722 on slot 0
    QM0_DIN             => QM0_DIN,
      CLK                 => CLK,
      \end\               => \end\,
      \DATA_\             => \DATA_\,
      RX_p                => RX_p,
      RX_n                => RX_n
    );

end architecture structure;
