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
    HB710_O_LED_MOD     : out    std_logic;
-- QM760 on slot 0
    QM0_RX_p            : in     std_logic;
    QM0_RX_n            : in     std_logic;
    QM0_DATA            : out    std_logic_vector( 3 downto  0);
    QM0_wire            : inout  std_logic;
-- QM760 on slot 1
    QM1_RX_p            : in     std_logic;
    QM1_RX_n            : in     std_logic;
    QM1_DATA            : out    std_logic_vector( 3 downto  0);
    QM1_wire            : inout  std_logic;
-- Slot 2 is empty
-- Slot 3 is empty
