    CLK                 : in     std_logic;
    LED_Back            : out    std_logic;
    RES_n               : in     std_logic;
    FXRD_n              : out    std_logic;
    FXWR_n              : out    std_logic;
    FXEmpty             : in     std_logic;
    FXFull              : in     std_logic;
    FXClk               : out    std_logic;
    FXAddr              : out    std_logic_vector( 1 downto  0);
    FXSLOE_n            : out    std_logic;
    FXPEnd_n            : out    std_logic;
    FXData              : inout  std_logic_vector( 7 downto  0);
-- QM717 on slot 0
    QM0_CLKout          : in     std_logic;
    QM0_RESET           : out    std_logic;
    QM0_DATA            : in     std_logic_vector(13 downto  0);
    QM0_SCLKn           : out    std_logic;
    QM0_SEn             : out    std_logic;
    QM0_SDATA           : out    std_logic;
    QM0_CLKn            : out    std_logic;
    QM0_CLKp            : out    std_logic;
    QM0_DIO_OEn         : out    std_logic;
    QM0_DIO_OUT         : out    std_logic;
    QM0_DIO_IN          : in     std_logic;
    QM0_QRESETn         : out    std_logic;
    QM0_QSHORTn         : out    std_logic;
    QM0_LEDn            : out    std_logic;
-- QM720 on slot 1
    QM1_CS2n            : out    std_logic;
    QM1_CS1n            : out    std_logic;
    QM1_SCLK2           : out    std_logic;
    QM1_SCLK1           : out    std_logic;
    QM1_SDOUT2          : out    std_logic;
    QM1_SDOUT1          : out    std_logic;
    QM1_SDIN2           : in     std_logic;
    QM1_SDIN1           : in     std_logic;
-- QM721 on slot 2
    QM2_SYNC2n          : out    std_logic;
    QM2_SYNC1n          : out    std_logic;
    QM2_DOUT2           : out    std_logic;
    QM2_DOUT1           : out    std_logic;
    QM2_SCLK2           : out    std_logic;
    QM2_SCLK1           : out    std_logic;
    QM2_LDAC2n          : out    std_logic;
    QM2_LDAC1n          : out    std_logic;
-- QM722 on slot 3
    QM3_DIN             : in     std_logic_vector( 5 downto  1);
    QM3_DOUT            : out    std_logic_vector( 5 downto  1);
    QM3_DOEn            : out    std_logic_vector( 5 downto  1);
    QM3_LEDn            : out    std_logic_vector( 5 downto  1);
-- QM724 on slot 4
    QM4_DIN             : in     std_logic_vector( 2 downto  1);
    QM4_DOUT            : out    std_logic_vector( 2 downto  1);
    QM4_DOEn            : out    std_logic_vector( 2 downto  1);
    QM4_LEDn            : out    std_logic_vector( 2 downto  1);
    QM4_TOSO            : out    std_logic_vector( 3 downto  1);
    QM4_TOSI            : in     std_logic_vector( 3 downto  1);
-- QM725 on slot 5
    QM5_ECL_IN          : in     std_logic_vector( 8 downto  1);
    QM5_EN1_4           : out    std_logic;
    QM5_EN5_8           : out    std_logic;
-- QM726 on slot 6
    QM6_LEDn            : out    std_logic_vector(32 downto  1);
-- QM727 on slot 7
    QM7_TOSI            : in     std_logic_vector( 3 downto  1);
    QM7_TOSO            : out    std_logic_vector( 3 downto  1);
