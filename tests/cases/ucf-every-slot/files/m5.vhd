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
-- QM737 on slot 0
    QM0_TD              : out    std_logic_vector( 9 downto  0);
    QM0_LOOPB           : out    std_logic;
    QM0_CLK_F           : in     std_logic;
    QM0_LOS             : in     std_logic;
    QM0_SYNCEN          : out    std_logic;
    QM0_RBCO            : in     std_logic;
    QM0_ENABLE          : out    std_logic;
    QM0_RD              : in     std_logic_vector( 9 downto  0);
    QM0_TX_FAULT        : in     std_logic;
    QM0_SYNC_PASS       : in     std_logic;
    QM0_SDA             : inout  std_logic;
    QM0_TX_DIS          : out    std_logic;
    QM0_RX_LOS          : in     std_logic;
    QM0_SCL             : out    std_logic;
-- QM739 on slot 1
    QM1_FPGA_TDI        : in     std_logic;
    QM1_ACBUS           : inout  std_logic_vector( 7 downto  0);
    QM1_FPGA_TCK        : in     std_logic;
    QM1_FPGA_TMS        : in     std_logic;
    QM1_FPGA_TDO        : out    std_logic;
    QM1_F_INIT_B        : inout  std_logic;
    QM1_F_PROG_B        : out    std_logic;
    QM1_FPGA_DONE       : in     std_logic;
    QM1_ADBUS           : inout  std_logic_vector( 7 downto  0);
    QM1_FPGA_CCLK       : in     std_logic;
    QM1_BCBUS           : inout  std_logic_vector( 5 downto  0);
    QM1_U_RST           : out    std_logic;
    QM1_BC6_PROG_E      : inout  std_logic;
-- QM740 on slot 2
    QM2_COMP            : in     std_logic_vector( 4 downto  1);
    QM2_ADC_SDO         : in     std_logic;
    QM2_ADC_SCLK        : out    std_logic;
    QM2_ADC_CONV        : out    std_logic;
    QM2_IVC_RST         : out    std_logic;
    QM2_DAC_SCLK        : out    std_logic;
    QM2_SER_SW          : out    std_logic;
    QM2_DAC_DIN         : out    std_logic;
    QM2_DAC_SYNC        : out    std_logic;
-- QM953 on slot 3
    QM3_IO              : inout  std_logic_vector(31 downto  0);
-- Slot 5 is empty
-- Slot 6 is empty
-- Slot 7 is empty
