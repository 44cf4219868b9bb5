-- a template
entity top is port (
-- Slot 0 is empty
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
  CLK : in std_logic);
end top;
-- Slot 0 is empty
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
