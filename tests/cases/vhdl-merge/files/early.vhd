entity top is
  port (
-- QM704 on slot 0
    QM0_INTTL           : in     std_logic_vector( 5 downto  1);
    QM0_OUTP            : out    std_logic_vector( 5 downto  1);
    QM0_INECL           : in     std_logic_vector( 5 downto  1);
    QM0_OE_n            : out    std_logic_vector( 5 downto  1);
    QM0_LED_n           : out    std_logic_vector( 5 downto  1);
    QM0_TERM            : out    std_logic_vector( 5 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
    CLK : in std_logic);
end entity top;
  core : user_core port map (
-- QM704 on slot 0
    QM0_INTTL           => QM0_INTTL,
    QM0_OUTP            => QM0_OUTP,
    QM0_INECL           => QM0_INECL,
    QM0_OE_n            => QM0_OE_n,
    QM0_LED_n           => QM0_LED_n,
    QM0_TERM            => QM0_TERM,
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
    CLK => CLK);
