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
-- QM714 on slot 0
    QM0_TKIn            : out    std_logic;
    QM0_TRIGGER         : in     std_logic;
    QM0_DATA            : in     std_logic_vector(13 downto  0);
    QM0_TDO             : in     std_logic;
    QM0_PULSE           : out    std_logic;
    QM0_TCLK            : out    std_logic;
    QM0_TDI             : out    std_logic;
    QM0_FRSTn           : out    std_logic;
    QM0_CLK             : out    std_logic;
    QM0_HOLD            : out    std_logic;
    QM0_RCLK            : out    std_logic;
    QM0_TMS             : out    std_logic;
    QM0_TRSTb           : out    std_logic;
    QM0_CLKn            : out    std_logic;
    QM0_SCLKn           : out    std_logic;
    QM0_SDATA           : out    std_logic;
    QM0_SEn             : out    std_logic;
    QM0_RESET           : out    std_logic;
-- Slot 1 is empty
-- QM707 on slot 2
    QM2_EN_O            : out    std_logic_vector( 4 downto  1);
    QM2_LVDS_O          : out    std_logic_vector( 8 downto  1);
    QM2_EN_I            : out    std_logic_vector( 4 downto  1);
    QM2_LVDS_I          : in     std_logic_vector( 8 downto  1);
    QM2_LED             : out    std_logic_vector( 2 downto  1);
-- Slot 3 is empty
-- Slot 4 is empty
-- Slot 5 is empty
-- Slot 6 is empty
-- Slot 7 is empty
