X
  -- QM_BEGIN
Y
-- QM_END
Z
