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
-- Slot 0 is empty
-- QM701 on slot 1
    QM1_OE_A_n          : out    std_logic;
    QM1_DIR_A           : out    std_logic;
    QM1_A               : inout  std_logic_vector( 8 downto  1);
    QM1_B               : inout  std_logic_vector( 8 downto  1);
    QM1_DIR_B           : out    std_logic;
    QM1_OE_B_n          : out    std_logic;
    QM1_LED_n           : out    std_logic_vector( 8 downto  1);
-- QM702 on slot 2
    QM2_CS_n            : out    std_logic;
    QM2_SCLK            : out    std_logic;
    QM2_SDIN            : out    std_logic;
    QM2_SDOUT           : in     std_logic;
    QM2_SSTRB           : in     std_logic;
    QM2_SHDN_n          : out    std_logic;
-- QM703 on slot 3
    QM3_D_IN_p          : in     std_logic_vector( 4 downto  1);
    QM3_D_IN_n          : in     std_logic_vector( 4 downto  1);
    QM3_SDI_DAC         : out    std_logic;
    QM3_SCLK_DAC        : out    std_logic;
    QM3_LDAC_n          : out    std_logic;
    QM3_CS_TH_n         : out    std_logic;
    QM3_CS_HYS_n        : out    std_logic;
    QM3_DIN             : in     std_logic_vector( 4 downto  1);
    QM3_DOUT            : out    std_logic_vector( 4 downto  1);
    QM3_DOE_n           : out    std_logic_vector( 4 downto  1);
    QM3_LED_n           : out    std_logic_vector( 5 downto  1);
-- QM704 on slot 4
    QM4_INTTL           : in     std_logic_vector( 5 downto  1);
    QM4_OUTP            : out    std_logic_vector( 5 downto  1);
    QM4_INECL           : in     std_logic_vector( 5 downto  1);
    QM4_OE_n            : out    std_logic_vector( 5 downto  1);
    QM4_LED_n           : out    std_logic_vector( 5 downto  1);
    QM4_TERM            : out    std_logic_vector( 5 downto  1);
-- QM706 on slot 5
    QM5_CLKout          : in     std_logic;
    QM5_RESET           : out    std_logic;
    QM5_DATA            : in     std_logic_vector(13 downto  0);
    QM5_SCLKn           : out    std_logic;
    QM5_SEn             : out    std_logic;
    QM5_SDATA           : out    std_logic;
    QM5_DIO1OUT         : out    std_logic;
    QM5_CLKp            : out    std_logic;
    QM5_DIO2OEn         : out    std_logic;
    QM5_DIO2OUT         : out    std_logic;
    QM5_DIO2IN          : in     std_logic;
    QM5_DIO1OEn         : out    std_logic;
    QM5_DIO1IN          : in     std_logic;
    QM5_CLKn            : out    std_logic;
-- QM706 on slot 6
    QM6_CLKout          : in     std_logic;
    QM6_RESET           : out    std_logic;
    QM6_DATA            : in     std_logic_vector(13 downto  0);
    QM6_SCLKn           : out    std_logic;
    QM6_OVR             : in     std_logic;
    QM6_SEn             : out    std_logic;
    QM6_SDATA           : out    std_logic;
    QM6_CLKp            : out    std_logic;
    QM6_CLKn            : out    std_logic;
    QM6_DIO2OEn         : out    std_logic;
    QM6_DIO2OUT         : out    std_logic;
    QM6_DIO2IN          : in     std_logic;
    QM6_DIO1OEn         : out    std_logic;
    QM6_DIO1IN          : in     std_logic;
    QM6_DIO1OUT         : out    std_logic;
    QM6_LED2n           : out    std_logic;
    QM6_LED1n           : out    std_logic;
-- QM707 on slot 7
    QM7_LVDS_I          : in     std_logic_vector( 8 downto  1);
    QM7_LVDS_O          : out    std_logic_vector( 8 downto  1);
