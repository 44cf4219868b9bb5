header
-- Slot 0 is empty
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
-- Slot 0 is empty
-- Slot 1 is empty
-- Slot 2 is empty
-- Slot 3 is empty
footer
