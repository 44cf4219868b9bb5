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
    FXData              : inout  std_logic_vector( 7 downto  0);
-- QM707 on slot 0
    QM0_EN_O            : out    std_logic_vector( 4 downto  1);
    QM0_LVDS_O          : out    std_logic_vector( 8 downto  1);
    QM0_EN_I            : out    std_logic_vector( 4 downto  1);
    QM0_LVDS_I          : in     std_logic_vector( 7 downto  1);
    QM0_LED             : out    std_logic_vector( 2 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
