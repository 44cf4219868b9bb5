    CLK                 : in     std_logic;
    \end\               : out    std_logic;
    \DATA_\             : inout  std_logic_vector( 1 downto  0);
    RX_p                : in     std_logic;
    RX_n                : in     std_logic;
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  5);
