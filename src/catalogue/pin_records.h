#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "catalogue/fixed_text.h"
#include "catalogue/vhdl_records.h"

namespace hbpins {

// Electrical direction of a pin, always seen from the FPGA: an input is
// driven into the FPGA. `nc` marks a record that carries no signal.
enum class direction : std::uint32_t {
  se_in,
  se_in_up,
  se_in_dn,
  se_out,
  se_bidir,
  se_bidir_up,
  se_bidir_dn,
  lvds_in_p,
  lvds_in_n,
  lvds_out_p,
  lvds_out_n,
  nc,
};

using name_text = fixed_text<32>;
using loc_text = fixed_text<4>;

struct pin_type {
  name_text name;
  loc_text loc;  // package pin number ("181") or ball name ("AF14")
  direction dir = direction::nc;
};

// Every slot connector has 36 pins: 1 and 2 carry +5V, 35 and 36 ground, and
// the 32 signal pins 3 to 34 are the connector positions that all per-slot
// tables are indexed by.
inline constexpr int first_position = 3;
inline constexpr int last_position = 34;
inline constexpr int position_count = last_position - first_position + 1;

// Table indexed by connector position 3 to 34.
template <typename T>
struct position_array {
  std::array<T, position_count> entries{};

  constexpr T& operator[](int position) { return entries[position - first_position]; }
  constexpr const T& operator[](int position) const { return entries[position - first_position]; }
};

// The FPGA location behind each connector position of one slot; "0" where the
// board does not wire the position to the FPGA.
using qm_array_type = position_array<loc_text>;

// A board's connector table, one entry per slot. It is a read-only view of
// the constant catalogue, so nothing needs releasing.
using pinout_qm_type = std::span<const qm_array_type>;

inline constexpr int max_slots = 8;
inline constexpr int max_board_signals = 100;

// Board and module numbers are held as the number minus 700 in one byte.
inline constexpr int number_base = 700;
inline constexpr std::uint8_t rejected_board_index = 255;
inline constexpr std::uint8_t general_io_named_index = 253;  // module 953
inline constexpr std::uint8_t empty_module_index = 254;      // module 954
inline constexpr std::uint8_t general_io_index = 255;        // module 955

struct qm_module_type {
  std::uint8_t hb_index = 0;
  std::uint8_t qm_index = 0;
  std::uint8_t modification = 0;
  std::uint8_t slot = 0;
  position_array<pin_type> pins;
};

// The one board configuration of a run.
struct hb_module_type {
  std::uint8_t hb_index = 0;
  std::uint16_t board_signal_count = 0;
  vhdl_entity_type entity;
  std::array<qm_module_type, max_slots> slots;
  std::array<pin_type, max_board_signals> board_signals;
};

}  // namespace hbpins
