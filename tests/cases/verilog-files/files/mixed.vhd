-- Top level of an HB710 base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb710_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.

library ieee;
use ieee.std_logic_1164.all;

entity hb710_top is
  port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
    HB710_I_CLK100      : in     std_logic;
    HB710_I_SYSRESET    : in     std_logic;
    HB710_I_NDS0        : in     std_logic;
    HB710_I_NDS1        : in     std_logic;
    HB710_I_NAS         : in     std_logic;
    HB710_I_NWRITE      : in     std_logic;
    HB710_I_NLWORD      : in     std_logic;
    HB710_I_AM          : in     std_logic_vector( 5 downto  0);
    HB710_I_STD_ADR     : in     std_logic_vector(23 downto 19);
    HB710_I_IADR        : in     std_logic_vector(18 downto  1);
    HB710_O_NDTACK      : out    std_logic;
    HB710_IO_IDAT       : inout  std_logic_vector(31 downto  0);
    HB710_O_NIRQ1       : out    std_logic;
    HB710_O_NIRQ2       : out    std_logic;
    HB710_O_NIRQ3       : out    std_logic;
    HB710_O_NIRQ4       : out    std_logic;
    HB710_O_NIRQ5       : out    std_logic;
    HB710_O_NIRQ6       : out    std_logic;
    HB710_O_NIRQ7       : out    std_logic;
    HB710_I_NIACKIN     : in     std_logic;
    HB710_O_NIACKOUT    : out    std_logic;
    HB710_O_NEN_BUFF    : out    std_logic;
    HB710_O_NDAT2VME    : out    std_logic;
    HB710_I_SWI_ADR     : in     std_logic_vector( 7 downto  0);
    HB710_O_LED_PWR     : out    std_logic;
    HB710_O_LED_SEL     : out    std_logic;
    HB710_O_LED_INT     : out    std_logic;
    HB710_O_LED_MOD     : out    std_logic
  );
end entity hb710_top;

architecture structure of hb710_top is

  component hb710_core is
    port (
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
      HB710_I_CLK100      : in     std_logic;
      HB710_I_SYSRESET    : in     std_logic;
      HB710_I_NDS0        : in     std_logic;
      HB710_I_NDS1        : in     std_logic;
      HB710_I_NAS         : in     std_logic;
      HB710_I_NWRITE      : in     std_logic;
      HB710_I_NLWORD      : in     std_logic;
      HB710_I_AM          : in     std_logic_vector( 5 downto  0);
      HB710_I_STD_ADR     : in     std_logic_vector(23 downto 19);
      HB710_I_IADR        : in     std_logic_vector(18 downto  1);
      HB710_O_NDTACK      : out    std_logic;
      HB710_IO_IDAT       : inout  std_logic_vector(31 downto  0);
      HB710_O_NIRQ1       : out    std_logic;
      HB710_O_NIRQ2       : out    std_logic;
      HB710_O_NIRQ3       : out    std_logic;
      HB710_O_NIRQ4       : out    std_logic;
      HB710_O_NIRQ5       : out    std_logic;
      HB710_O_NIRQ6       : out    std_logic;
      HB710_O_NIRQ7       : out    std_logic;
      HB710_I_NIACKIN     : in     std_logic;
      HB710_O_NIACKOUT    : out    std_logic;
      HB710_O_NEN_BUFF    : out    std_logic;
      HB710_O_NDAT2VME    : out    std_logic;
      HB710_I_SWI_ADR     : in     std_logic_vector( 7 downto  0);
      HB710_O_LED_PWR     : out    std_logic;
      HB710_O_LED_SEL     : out    std_logic;
      HB710_O_LED_INT     : out    std_logic;
      HB710_O_LED_MOD     : out    std_logic
    );
  end component hb710_core;

begin

  -- Add your own signals and logic here.

  core : hb710_core
    port map (
-- QM722 on slot 0
    QM0_DIN             => QM0_DIN,
    QM0_DOUT            => QM0_DOUT,
    QM0_DOEn            => QM0_DOEn,
    QM0_LEDn            => QM0_LEDn,
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
      HB710_I_CLK100      => HB710_I_CLK100,
      HB710_I_SYSRESET    => HB710_I_SYSRESET,
      HB710_I_NDS0        => HB710_I_NDS0,
      HB710_I_NDS1        => HB710_I_NDS1,
      HB710_I_NAS         => HB710_I_NAS,
      HB710_I_NWRITE      => HB710_I_NWRITE,
      HB710_I_NLWORD      => HB710_I_NLWORD,
      HB710_I_AM          => HB710_I_AM,
      HB710_I_STD_ADR     => HB710_I_STD_ADR,
      HB710_I_IADR        => HB710_I_IADR,
      HB710_O_NDTACK      => HB710_O_NDTACK,
      HB710_IO_IDAT       => HB710_IO_IDAT,
      HB710_O_NIRQ1       => HB710_O_NIRQ1,
      HB710_O_NIRQ2       => HB710_O_NIRQ2,
      HB710_O_NIRQ3       => HB710_O_NIRQ3,
      HB710_O_NIRQ4       => HB710_O_NIRQ4,
      HB710_O_NIRQ5       => HB710_O_NIRQ5,
      HB710_O_NIRQ6       => HB710_O_NIRQ6,
      HB710_O_NIRQ7       => HB710_O_NIRQ7,
      HB710_I_NIACKIN     => HB710_I_NIACKIN,
      HB710_O_NIACKOUT    => HB710_O_NIACKOUT,
      HB710_O_NEN_BUFF    => HB710_O_NEN_BUFF,
      HB710_O_NDAT2VME    => HB710_O_NDAT2VME,
      HB710_I_SWI_ADR     => HB710_I_SWI_ADR,
      HB710_O_LED_PWR     => HB710_O_LED_PWR,
      HB710_O_LED_SEL     => HB710_O_LED_SEL,
      HB710_O_LED_INT     => HB710_O_LED_INT,
      HB710_O_LED_MOD     => HB710_O_LED_MOD
    );

end architecture structure;
