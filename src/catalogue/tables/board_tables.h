#pragma once

#include "catalogue/pin_records.h"

namespace hbpins {

// The tables are defined constexpr: the compiler leaves a plain const table
// this large to a constructor that runs at every start-up, while a constexpr
// one stands in the executable's data as it is.

// Connector tables: one slot_wiring per slot (connector_tables.cpp).
extern const slot_wiring hb701_connectors[4];
extern const slot_wiring hb706_connectors[4];
extern const slot_wiring hb709_connectors[8];
extern const slot_wiring hb710_connectors[4];
extern const slot_wiring hb711_connectors[8];

// Board signal tables (board_signal_tables.cpp). Board 711 has five.
extern const pin_type hb701_signals[15];
extern const pin_type hb706_signals[20];
extern const pin_type hb709_signals[20];
extern const pin_type hb710_signals[92];
extern const pin_type hb711_main_signals[48];
extern const pin_type hb711_sfp1_signals[13];
extern const pin_type hb711_sfp2_signals[13];
extern const pin_type hb711_mgt1_signals[4];
extern const pin_type hb711_mgt3_signals[4];

}  // namespace hbpins
