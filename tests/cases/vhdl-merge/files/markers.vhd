entity top is
  port (
-- QM735 on slot 1
    QM1_CLKn            : out    std_logic;
    QM1_CLKp            : out    std_logic;
    QM1_DATA            : in     std_logic_vector(13 downto  0);
    QM1_SPARE           : out    std_logic_vector( 6 downto  0);
    QM1_RESET           : out    std_logic;
    QM1_SDA             : inout  std_logic;
    QM1_SCL             : out    std_logic;
    QM1_SEn             : out    std_logic;
    QM1_SDRD            : in     std_logic;
    QM1_SCLKn           : out    std_logic;
    QM1_SDATA           : out    std_logic;
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
-- QM736 on slot 4
    QM4_CMP_SE          : in     std_logic_vector( 2 downto  1);
    QM4_CMP_Dp          : in     std_logic_vector( 2 downto  1);
    QM4_CMP_Dn          : in     std_logic_vector( 2 downto  1);
    QM4_SCLK_DAC        : out    std_logic;
    QM4_SDI_DAC         : out    std_logic;
    QM4_CS_DACn         : out    std_logic;
    QM4_LED_CMPn        : out    std_logic_vector( 2 downto  1);
    QM4_LED_NIMn        : out    std_logic_vector( 2 downto  1);
-- Slot 5 is empty
-- Slot 6 is empty
-- Slot 7 is empty
    CLK : in std_logic);
end entity top;
  core : user_core port map (
-- QM735 on slot 1
    QM1_CLKn            => QM1_CLKn,
    QM1_CLKp            => QM1_CLKp,
    QM1_DATA            => QM1_DATA,
    QM1_SPARE           => QM1_SPARE,
    QM1_RESET           => QM1_RESET,
    QM1_SDA             => QM1_SDA,
    QM1_SCL             => QM1_SCL,
    QM1_SEn             => QM1_SEn,
    QM1_SDRD            => QM1_SDRD,
    QM1_SCLKn           => QM1_SCLKn,
    QM1_SDATA           => QM1_SDATA,
-- QM735 on slot 2
    QM2_SCL             => QM2_SCL,
    QM2_SDA             => QM2_SDA,
    QM2_DATA            => QM2_DATA,
    QM2_GI_GATE         => QM2_GI_GATE,
    QM2_SPARE           => QM2_SPARE,
    QM2_FREQ            => QM2_FREQ,
    QM2_CLK_CPU         => QM2_CLK_CPU,
    QM2_RESET           => QM2_RESET,
    QM2_SEn             => QM2_SEn,
    QM2_SDRD            => QM2_SDRD,
    QM2_SDATA           => QM2_SDATA,
    QM2_SCLKn           => QM2_SCLKn,
    QM2_CLKn            => QM2_CLKn,
    QM2_CLKp            => QM2_CLKp,
-- Slot 3 is empty
-- QM736 on slot 4
    QM4_CMP_SE          => QM4_CMP_SE,
    QM4_CMP_Dp          => QM4_CMP_Dp,
    QM4_CMP_Dn          => QM4_CMP_Dn,
    QM4_SCLK_DAC        => QM4_SCLK_DAC,
    QM4_SDI_DAC         => QM4_SDI_DAC,
    QM4_CS_DACn         => QM4_CS_DACn,
    QM4_LED_CMPn        => QM4_LED_CMPn,
    QM4_LED_NIMn        => QM4_LED_NIMn,
-- Slot 5 is empty
-- Slot 6 is empty
-- Slot 7 is empty
    CLK => CLK);
