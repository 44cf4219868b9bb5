-- QM722 on slot 0
    QM0_DIN             : in     std_logic_vector( 5 downto  1);
    QM0_DOUT            : out    std_logic_vector( 5 downto  1);
    QM0_DOEn            : out    std_logic_vector( 5 downto  1);
    QM0_LEDn            : out    std_logic_vector( 5 downto  1);
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
