#pragma once

// Board configurations filled in record by record, so that the VHDL output
// can be checked without going through board selection and module placement.

#include <cstdint>
#include <string>

#include "catalogue/pin_records.h"

namespace hbpins::testing {

struct hand_pin {
  const char* name;
  const char* loc;
  direction dir;
};

// Board index set and every slot of the board empty, no board signals.
inline hb_module_type empty_board(std::uint8_t board_index, int slots) {
  hb_module_type config;
  config.hb_index = board_index;
  for (int s = 0; s < slots; ++s) {
    config.slots[s].hb_index = board_index;
    config.slots[s].qm_index = empty_module_index;
    config.slots[s].slot = static_cast<std::uint8_t>(s);
  }
  return config;
}

inline void add_board_signal(hb_module_type& config, const hand_pin& pin) {
  config.board_signals[config.board_signal_count] = {pin.name, pin.loc, pin.dir};
  ++config.board_signal_count;
}

// Module 955 on a slot: "QM<s><p>" on every position, bidirectional.
inline void put_general_io(hb_module_type& config, int slot) {
  qm_module_type& record = config.slots[slot];
  record.qm_index = general_io_index;
  for (int p = first_position; p <= last_position; ++p) {
    const std::string name = "QM<" + std::to_string(slot) + "><" + std::to_string(p) + ">";
    record.pins[p] = {name_text(name), "A1", direction::se_bidir};
  }
}

// Board 701 with module 722 on slot 0 and slots 1 to 3 empty.
inline hb_module_type board_701_with_722() {
  hb_module_type config = empty_board(1, 4);
  const hand_pin board_signals[] = {
      {"CLK", "181", direction::se_in},     {"LED_Back", "184", direction::se_out},
      {"RD_n", "81", direction::se_out},    {"WR", "83", direction::se_out},
      {"RES_n", "80", direction::se_in_up}, {"RXF_n", "58", direction::se_in},
      {"TXE_n", "57", direction::se_in},    {"UD<0>", "92", direction::se_bidir},
      {"UD<1>", "90", direction::se_bidir}, {"UD<2>", "87", direction::se_bidir},
      {"UD<3>", "86", direction::se_bidir}, {"UD<4>", "74", direction::se_bidir},
      {"UD<5>", "72", direction::se_bidir}, {"UD<6>", "68", direction::se_bidir},
      {"UD<7>", "67", direction::se_bidir},
  };
  for (const hand_pin& pin : board_signals) add_board_signal(config, pin);

  // The pin table of module 722 (that of 700) from position 3 on, wired to the
  // slot 0 locations of board 701; position 7 is not connected on the module.
  const hand_pin slot_0[] = {
      {"QM0_DIN<5>", "94", direction::se_in},
      {"QM0_DOUT<4>", "95", direction::se_out},
      {"QM0_DOEn<5>", "111", direction::se_out},
      {"QM0_DOUT<5>", "113", direction::se_out},
      {"NC", "114", direction::nc},
      {"QM0_DOEn<4>", "115", direction::se_out},
      {"QM0_DIN<4>", "116", direction::se_in},
      {"QM0_DOUT<3>", "117", direction::se_out},
      {"QM0_DIN<3>", "119", direction::se_in},
      {"QM0_DOEn<3>", "120", direction::se_out},
      {"QM0_DIN<2>", "100", direction::se_in},
      {"QM0_DOUT<2>", "101", direction::se_out},
      {"QM0_DIN<1>", "106", direction::se_in},
      {"QM0_DOEn<2>", "107", direction::se_out},
      {"QM0_DOEn<1>", "130", direction::se_out},
      {"QM0_DOUT<1>", "131", direction::se_out},
      {"QM0_LEDn<4>", "122", direction::se_out},
      {"QM0_LEDn<5>", "123", direction::se_out},
      {"QM0_LEDn<2>", "138", direction::se_out},
      {"QM0_LEDn<3>", "139", direction::se_out},
      {"QM0_LEDn<1>", "124", direction::se_out},
  };
  qm_module_type& slot = config.slots[0];
  slot.qm_index = 22;
  int position = first_position;
  for (const hand_pin& pin : slot_0) slot.pins[position++] = {pin.name, pin.loc, pin.dir};
  return config;
}

// The declaration file of board_701_with_722 with both switches on.
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
