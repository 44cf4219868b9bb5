entity top is
  port (
    CLK : in std_logic);
end entity top;
  core : user_core port map (
    CLK => CLK);
