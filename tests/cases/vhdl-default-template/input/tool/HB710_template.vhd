header
-- QM_BEGIN
-- QM_MAP_BEGIN
footer
