    CLK                 : in     std_logic;
    LED                 : out    std_logic_vector( 3 downto  0);
    RESET_n             : in     std_logic;
    SYNC_p              : in     std_logic;
    SYNC_n              : in     std_logic;
    TRIG_OUT_p          : out    std_logic;
    TRIG_OUT_n          : out    std_logic;
    SDA                 : inout  std_logic;
    SCL                 : out    std_logic;
-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- QM704 on slot 1
    QM1_INTTL           : in     std_logic_vector( 5 downto  1);
    QM1_OUTP            : out    std_logic_vector( 5 downto  1);
    QM1_INECL           : in     std_logic_vector( 5 downto  1);
    QM1_OE_n            : out    std_logic_vector( 5 downto  1);
    QM1_LED_n           : out    std_logic_vector( 5 downto  1);
    QM1_TERM            : out    std_logic_vector( 5 downto  1);
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
    QM2_CLKp            : out    std_logic;
-- Slot 3 is empty
-- QM760 on slot 4
    QM4_CLK_p           : in     std_logic;
    QM4_CLK_n           : in     std_logic;
    QM4_DATA            : in     std_logic_vector( 1 downto  0);
    QM4_LED_n           : out    std_logic;
    QM4_SDA             : inout  std_logic;
