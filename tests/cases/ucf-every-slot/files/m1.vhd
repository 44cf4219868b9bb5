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
-- QM701 on slot 0
    QM0_OE_A_n          : out    std_logic;
    QM0_DIR_A           : out    std_logic;
    QM0_A               : inout  std_logic_vector( 8 downto  1);
    QM0_B               : inout  std_logic_vector( 8 downto  1);
    QM0_DIR_B           : out    std_logic;
    QM0_OE_B_n          : out    std_logic;
    QM0_LED_n           : out    std_logic_vector( 8 downto  1);
-- QM702 on slot 1
    QM1_CS_n            : out    std_logic;
    QM1_SCLK            : out    std_logic;
    QM1_SDIN            : out    std_logic;
    QM1_SDOUT           : in     std_logic;
    QM1_SSTRB           : in     std_logic;
    QM1_SHDN_n          : out    std_logic;
-- QM703 on slot 2
    QM2_D_IN_p          : in     std_logic_vector( 4 downto  1);
    QM2_D_IN_n          : in     std_logic_vector( 4 downto  1);
    QM2_SDI_DAC         : out    std_logic;
    QM2_SCLK_DAC        : out    std_logic;
    QM2_LDAC_n          : out    std_logic;
    QM2_CS_TH_n         : out    std_logic;
    QM2_CS_HYS_n        : out    std_logic;
    QM2_DIN             : in     std_logic_vector( 4 downto  1);
    QM2_DOUT            : out    std_logic_vector( 4 downto  1);
    QM2_DOE_n           : out    std_logic_vector( 4 downto  1);
    QM2_LED_n           : out    std_logic_vector( 5 downto  1);
-- QM704 on slot 3
    QM3_INTTL           : in     std_logic_vector( 5 downto  1);
    QM3_OUTP            : out    std_logic_vector( 5 downto  1);
    QM3_INECL           : in     std_logic_vector( 5 downto  1);
    QM3_OE_n            : out    std_logic_vector( 5 downto  1);
    QM3_LED_n           : out    std_logic_vector( 5 downto  1);
    QM3_TERM            : out    std_logic_vector( 5 downto  1);
-- QM706 on slot 4
    QM4_CLKout          : in     std_logic;
    QM4_RESET           : out    std_logic;
    QM4_DATA            : in     std_logic_vector(13 downto  0);
    QM4_SCLKn           : out    std_logic;
    QM4_SEn             : out    std_logic;
    QM4_SDATA           : out    std_logic;
    QM4_DIO1OUT         : out    std_logic;
    QM4_CLKp            : out    std_logic;
    QM4_DIO2OEn         : out    std_logic;
    QM4_DIO2OUT         : out    std_logic;
    QM4_DIO2IN          : in     std_logic;
    QM4_DIO1OEn         : out    std_logic;
    QM4_DIO1IN          : in     std_logic;
    QM4_CLKn            : out    std_logic;
-- QM706 on slot 5
    QM5_CLKout          : in     std_logic;
    QM5_RESET           : out    std_logic;
    QM5_DATA            : in     std_logic_vector(13 downto  0);
    QM5_SCLKn           : out    std_logic;
    QM5_OVR             : in     std_logic;
    QM5_SEn             : out    std_logic;
    QM5_SDATA           : out    std_logic;
    QM5_CLKp            : out    std_logic;
    QM5_CLKn            : out    std_logic;
    QM5_DIO2OEn         : out    std_logic;
    QM5_DIO2OUT         : out    std_logic;
    QM5_DIO2IN          : in     std_logic;
    QM5_DIO1OEn         : out    std_logic;
    QM5_DIO1IN          : in     std_logic;
    QM5_DIO1OUT         : out    std_logic;
    QM5_LED2n           : out    std_logic;
    QM5_LED1n           : out    std_logic;
-- QM707 on slot 6
    QM6_LVDS_I          : in     std_logic_vector( 8 downto  1);
    QM6_LVDS_O          : out    std_logic_vector( 8 downto  1);
-- Slot 7 is empty
