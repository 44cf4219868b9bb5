    OSC1_CLK            : in     std_logic;
    OSC2_CLK            : in     std_logic;
    SW1_FRONT           : in     std_logic;
    SW2_BACK            : in     std_logic;
    LED_FP_D_n          : out    std_logic;
    LED_FP_U_n          : out    std_logic;
    LED_BRD_R_n         : out    std_logic;
    LED_BRD_L_n         : out    std_logic;
    LVDS_p              : in     std_logic_vector( 4 downto  1);
    LVDS_n              : in     std_logic_vector( 4 downto  1);
    SDCARD_CD           : out    std_logic;
    SDCARD_CLK          : out    std_logic;
    SDCARD_CMD          : out    std_logic;
    SDCARD_DA           : inout  std_logic_vector( 3 downto  0);
    SDCARD_WP           : in     std_logic;
    \ACBUS_\            : inout  std_logic_vector( 7 downto  0);
    \ADBUS_\            : inout  std_logic_vector( 7 downto  0);
    \BCBUS_\            : inout  std_logic_vector( 6 downto  0);
    USB_RSTP            : inout  std_logic;
    SFP1_DETECT         : in     std_logic;
    SFP1_I2C_SCL        : out    std_logic;
    SFP1_I2C_SDA        : inout  std_logic;
    SFP1_LOS            : in     std_logic;
    SFP1_RATE_SEL       : out    std_logic;
    SFP1_TX_DISABLE     : out    std_logic;
    SFP1_TX_FAULT       : in     std_logic;
    MGTCLK_01_n         : in     std_logic;
    MGTCLK_01_p         : in     std_logic;
    MGT_0_RX_n          : in     std_logic;
    MGT_0_RX_p          : in     std_logic;
    MGT_0_TX_n          : out    std_logic;
    MGT_0_TX_p          : out    std_logic;
    SFP2_DETECT         : in     std_logic;
    SFP2_I2C_SCL        : out    std_logic;
    SFP2_I2C_SDA        : inout  std_logic;
    SFP2_LOS            : in     std_logic;
    SFP2_RATE_SEL       : out    std_logic;
    SFP2_TX_DISABLE     : out    std_logic;
    SFP2_TX_FAULT       : in     std_logic;
    MGTCLK_23_n         : in     std_logic;
    MGTCLK_23_p         : in     std_logic;
    MGT_2_RX_n          : in     std_logic;
    MGT_2_RX_p          : in     std_logic;
    MGT_2_TX_n          : out    std_logic;
    MGT_2_TX_p          : out    std_logic;
    MGT_1_RX_n          : in     std_logic;
    MGT_1_RX_p          : in     std_logic;
    MGT_1_TX_n          : out    std_logic;
    MGT_1_TX_p          : out    std_logic;
    MGT_3_RX_n          : in     std_logic;
    MGT_3_RX_p          : in     std_logic;
    MGT_3_TX_n          : out    std_logic;
    MGT_3_TX_p          : out    std_logic;
-- QM760 on slot 0
    QM0_CLK_p           : in     std_logic;
    QM0_CLK_n           : in     std_logic;
    QM0_DATA            : in     std_logic_vector( 3 downto  0);
    QM0_LED_n           : out    std_logic;
    QM0_SDA             : inout  std_logic;
-- QM760 on slot 1
    QM1_CLK_p           : in     std_logic;
    QM1_CLK_n           : in     std_logic;
    QM1_DATA            : in     std_logic_vector( 1 downto  0);
    QM1_SDA             : inout  std_logic;
    QM1_SCL             : out    std_logic;
-- QM761 on slot 2
    QM2_TX_p            : out    std_logic;
    QM2_TX_n            : out    std_logic;
    QM2_Reset_n         : out    std_logic;
    QM2_Spare           : inout  std_logic_vector(12 downto 12);
    QM2_A_NAME_OF_TWENTY_EIGHT_CHARS  : in     std_logic;
-- Slot 3 is empty
-- Slot 4 is empty
-- QM762 on slot 5
    QM5_ADC_D           : in     std_logic_vector( 7 downto  6);
    QM5_ADC_CLK         : out    std_logic;
-- QM761 on slot 6
    QM6_TX_p            : out    std_logic;
    QM6_TX_n            : out    std_logic;
    QM6_Reset_n         : out    std_logic;
    QM6_Spare           : inout  std_logic_vector(12 downto 12);
    QM6_A_NAME_OF_TWENTY_EIGHT_CHARS  : in     std_logic;
-- Slot 7 is empty
