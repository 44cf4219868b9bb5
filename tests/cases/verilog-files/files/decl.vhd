    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RD_n                : out    std_logic;
    WR                  : out    std_logic;
    RES_n               : in     std_logic;
    RXF_n               : in     std_logic;
    TXE_n               : in     std_logic;
    UD                  : inout  std_logic_vector( 7 downto  0);
-- QM703 on slot 0
    QM0_D_IN_p          : in     std_logic_vector( 4 downto  1);
    QM0_D_IN_n          : in     std_logic_vector( 4 downto  1);
    QM0_SDI_DAC         : out    std_logic;
    QM0_SCLK_DAC        : out    std_logic;
    QM0_LDAC_n          : out    std_logic;
    QM0_CS_TH_n         : out    std_logic;
    QM0_CS_HYS_n        : out    std_logic;
    QM0_DIN             : in     std_logic_vector( 4 downto  1);
    QM0_DOUT            : out    std_logic_vector( 4 downto  1);
    QM0_DOE_n           : out    std_logic_vector( 4 downto  1);
    QM0_LED_n           : out    std_logic_vector( 5 downto  1);
-- QM726 on slot 1
    QM1_LEDn            : out    std_logic_vector(32 downto  1);
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
-- Slot 3 is empty
