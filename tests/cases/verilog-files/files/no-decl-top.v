//QM_BEGIN
// QM722 on slot 0
    .QM0_DIN            (QM0_DIN),
    .QM0_DOUT           (QM0_DOUT),
    .QM0_DOEn           (QM0_DOEn),
    .QM0_LEDn           (QM0_LEDn),
// Slot 1 is empty
// Slot 2 is empty
// Slot 3 is empty
