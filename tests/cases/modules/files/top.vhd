entity top is
  port (
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
    CLK : in std_logic);
end entity top;
  core : user_core port map (
-- QM760 on slot 0
    QM0_CLK_p           => QM0_CLK_p,
    QM0_CLK_n           => QM0_CLK_n,
    QM0_DATA            => QM0_DATA,
    QM0_LED_n           => QM0_LED_n,
    QM0_SDA             => QM0_SDA,
-- QM760 on slot 1
    QM1_CLK_p           => QM1_CLK_p,
    QM1_CLK_n           => QM1_CLK_n,
    QM1_DATA            => QM1_DATA,
    QM1_SDA             => QM1_SDA,
    QM1_SCL             => QM1_SCL,
-- QM761 on slot 2
    QM2_TX_p            => QM2_TX_p,
    QM2_TX_n            => QM2_TX_n,
    QM2_Reset_n         => QM2_Reset_n,
    QM2_Spare           => QM2_Spare,
    QM2_A_NAME_OF_TWENTY_EIGHT_CHARS => QM2_A_NAME_OF_TWENTY_EIGHT_CHARS,
-- Slot 3 is empty
-- Slot 4 is empty
-- QM762 on slot 5
    QM5_ADC_D           => QM5_ADC_D,
    QM5_ADC_CLK         => QM5_ADC_CLK,
-- QM761 on slot 6
    QM6_TX_p            => QM6_TX_p,
    QM6_TX_n            => QM6_TX_n,
    QM6_Reset_n         => QM6_Reset_n,
    QM6_Spare           => QM6_Spare,
    QM6_A_NAME_OF_TWENTY_EIGHT_CHARS => QM6_A_NAME_OF_TWENTY_EIGHT_CHARS,
-- Slot 7 is empty
    CLK => CLK);
