-- a template
entity top is port (
  -- QM_BEGIN
  CLK : in std_logic);
end top;
-- QM_MAP_BEGIN
