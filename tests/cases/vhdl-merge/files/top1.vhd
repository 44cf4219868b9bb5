entity top is
  port (
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
    CLK : in std_logic);
end entity top;
  core : user_core port map (
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
    CLK => CLK);
