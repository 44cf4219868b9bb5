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
-- QM707 on slot 0
    QM0_EN_O            : out    std_logic_vector( 4 downto  1);
    QM0_LVDS_O          : out    std_logic_vector( 8 downto  1);
    QM0_EN_I            : out    std_logic_vector( 4 downto  1);
    QM0_LVDS_I          : in     std_logic_vector( 8 downto  1);
    QM0_LED             : out    std_logic_vector( 2 downto  1);
-- QM709 on slot 1
    QM1_TSEN            : inout  std_logic_vector( 7 downto  0);
-- QM710 on slot 2
    QM2_DATA1           : out    std_logic_vector(13 downto  0);
    QM2_LOAD1           : out    std_logic;
    QM2_LOAD2           : out    std_logic;
    QM2_DATA2           : out    std_logic_vector(13 downto  0);
-- QM711 on slot 3
    QM3_DATA            : out    std_logic_vector( 7 downto  0);
    QM3_DELIN           : out    std_logic_vector( 6 downto  1);
    QM3_LE              : out    std_logic_vector( 6 downto  1);
    QM3_DELOUT          : in     std_logic_vector( 6 downto  1);
    QM3_REF             : in     std_logic_vector( 6 downto  1);
-- QM712 on slot 4
    QM4_CS2n            : out    std_logic;
    QM4_CS1n            : out    std_logic;
    QM4_SCLK2           : out    std_logic;
    QM4_SCLK1           : out    std_logic;
    QM4_SDOUT2          : out    std_logic;
    QM4_SDOUT1          : out    std_logic;
    QM4_SDIN2           : in     std_logic;
    QM4_SDIN1           : in     std_logic;
    QM4_SSTR2n          : in     std_logic;
    QM4_SSTR1n          : in     std_logic;
    QM4_SHDN2n          : out    std_logic;
    QM4_SHDN1n          : out    std_logic;
-- QM713 on slot 5
    QM5_CLR_n           : out    std_logic;
    QM5_SYNC_n          : out    std_logic;
    QM5_SDIN            : out    std_logic;
    QM5_SCLK_n          : out    std_logic;
    QM5_SDOUT           : in     std_logic;
    QM5_SPI             : out    std_logic;
    QM5_PD              : out    std_logic;
    QM5_DCEN_ADI        : out    std_logic;
    QM5_LDAC_n          : out    std_logic;
    QM5_BUSY            : in     std_logic;
    QM5_RESET_n         : out    std_logic;
    QM5_MONOUT          : in     std_logic;
    QM5_MON_IN2         : out    std_logic;
    QM5_MON_IN1         : out    std_logic;
-- QM714 on slot 6
    QM6_TKIn            : out    std_logic;
    QM6_TRIGGER         : in     std_logic;
    QM6_DATA            : in     std_logic_vector(13 downto  0);
    QM6_TDO             : in     std_logic;
    QM6_PULSE           : out    std_logic;
    QM6_TCLK            : out    std_logic;
    QM6_TDI             : out    std_logic;
    QM6_FRSTn           : out    std_logic;
    QM6_CLK             : out    std_logic;
    QM6_HOLD            : out    std_logic;
    QM6_RCLK            : out    std_logic;
    QM6_TMS             : out    std_logic;
    QM6_TRSTb           : out    std_logic;
    QM6_CLKn            : out    std_logic;
    QM6_SCLKn           : out    std_logic;
    QM6_SDATA           : out    std_logic;
    QM6_SEn             : out    std_logic;
    QM6_RESET           : out    std_logic;
-- QM715 on slot 7
    QM7_SEn             : out    std_logic;
    QM7_PR_n            : out    std_logic;
    QM7_SCLK            : out    std_logic;
    QM7_SHDN_n          : out    std_logic;
    QM7_SDATA           : out    std_logic;
