entity top is
  port (
    -- QM_BEGIN
    -- QM_END
    CLK : in std_logic);
end entity top;
  core : user_core port map (
    -- QM_MAP_BEGIN
    -- QM_MAP_END
    CLK => CLK);
