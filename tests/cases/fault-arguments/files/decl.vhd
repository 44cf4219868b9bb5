    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RD_n                : out    std_logic;
    WR                  : out    std_logic;
    RES_n               : in     std_logic;
    RXF_n               : in     std_logic;
    TXE_n               : in     std_logic;
    UD                  : inout  std_logic_vector( 7 downto  0);
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
