    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RD_n                : out    std_logic;
    WR                  : out    std_logic;
    RES_n               : in     std_logic;
    RXF_n               : in     std_logic;
    TXE_n               : in     std_logic;
    UD                  : inout  std_logic_vector( 7 downto  0);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
