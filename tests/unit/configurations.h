#pragma once

// Boards assembled as the command line assembles them, and the VHDL text of
// board 701 with module 722 on slot 0.

#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>

#include "assembly/board_configuration.h"

namespace hbpins::testing {

// The modules go on slots 0, 1, ... in turn; 954 leaves a slot empty.
inline hb_module_type assembled(std::uint16_t board, std::initializer_list<std::uint16_t> modules) {
  hb_module_type config;
  std::ostringstream messages;
  select_board(config, board, messages);
  std::uint16_t slot = 0;
  for (std::uint16_t module : modules) place_module(config, slot++, module, 0, messages);
  return config;
}

inline const std::string board_701_declarations =
    "    CLK                 : in     std_logic;\n"
    "    LED_Back            : out    std_logic;\n"
    "    RD_n                : out    std_logic;\n"
    "    WR                  : out    std_logic;\n"
    "    RES_n               : in     std_logic;\n"
    "    RXF_n               : in     std_logic;\n"
    "    TXE_n               : in     std_logic;\n"
    "    UD                  : inout  std_logic_vector( 7 downto  0);\n";

inline const std::string slot_declarations_722 =
    "-- QM722 on slot 0\n"
    "    QM0_DIN             : in     std_logic_vector( 5 downto  1);\n"
    "    QM0_DOUT            : out    std_logic_vector( 5 downto  1);\n"
    "    QM0_DOEn            : out    std_logic_vector( 5 downto  1);\n"
    "    QM0_LEDn            : out    std_logic_vector( 5 downto  1);\n"
    "-- Slot 1 is empty\n"
    "-- Slot 2 is empty\n"
    "-- Slot 3 is empty\n";

inline const std::string slot_port_map_722 =
    "-- QM722 on slot 0\n"
    "    QM0_DIN             => QM0_DIN,\n"
    "    QM0_DOUT            => QM0_DOUT,\n"
    "    QM0_DOEn            => QM0_DOEn,\n"
    "    QM0_LEDn            => QM0_LEDn,\n"
    "-- Slot 1 is empty\n"
    "-- Slot 2 is empty\n"
    "-- Slot 3 is empty\n";

}  // namespace hbpins::testing
