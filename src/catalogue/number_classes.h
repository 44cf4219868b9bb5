#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace hbpins {

// Every number that means one thing to hbpins, with its bounds: the checks,
// the command line and the messages all take them from here.

// A class of numbers from first to last, both included.
struct number_range {
  int first = 0;
  int last = 0;

  constexpr bool contains(std::int64_t n) const { return n >= first && n <= last; }
};

// A range as the messages give it: "3 to 34".
inline std::string range_text(number_range range) {
  return std::to_string(range.first) + " to " + std::to_string(range.last);
}

// Board and module numbers start at 700; typed below it, a number is short
// for 700 more (-s 4 is module 704, -d 10 board 710).
inline constexpr int number_base = 700;

// The board numbers -d and HB take as typed; a built-in board's number less
// number_base is its short form.
inline constexpr number_range board_numbers = {700, 719};

// The module numbers the command line takes as typed.
inline constexpr number_range module_numbers = {700, 955};

// The numbers a module file may give its modules; the ones above are the
// modules with a meaning of their own.
inline constexpr number_range loadable_module_numbers = {700, 952};
inline constexpr std::uint16_t test_module_number = 953;
inline constexpr std::uint16_t empty_slot_number = 954;
inline constexpr std::uint16_t general_io_number = 955;
static_assert(loadable_module_numbers.last < test_module_number &&
              general_io_number == module_numbers.last);

// A module has one build variant or two; a module file numbers them.
inline constexpr number_range module_variants = {0, 1};

// The bit of a vector a name gives, as in DATA<5>: a signed 16-bit index.
inline constexpr number_range vector_bits = {0, 32767};

// Every slot connector has 36 pins: 1 and 2 carry +5V, 35 and 36 ground, and
// the 32 signal pins 3 to 34 are the connector positions that all per-slot
// tables are indexed by.
inline constexpr number_range connector_positions = {3, 34};
inline constexpr int first_position = connector_positions.first;
inline constexpr int last_position = connector_positions.last;
inline constexpr int position_count = last_position - first_position + 1;
inline constexpr int connector_pins = last_position + 2;

// A board has at least one slot and at most this many.
inline constexpr number_range slot_counts = {1, 8};
inline constexpr int max_slots = slot_counts.last;
inline constexpr number_range slot_numbers = {0, max_slots - 1};

// The FPGA packages a board may declare: a quad flat pack of these pins, a
// multiple of four, or a ball grid of these rows and columns. The picture of
// either stays within a page a browser shows whole, and every location on
// either within max_location_length.
inline constexpr number_range quad_flat_pins = {8, 400};
inline constexpr number_range grid_sides = {2, 60};

// A board has its clock net and at most 100 signals of its own: its ports
// leave the declarations room for the modules on its slots.
inline constexpr number_range board_signal_counts = {1, 100};

// An FPGA location after the board's prefix: a package pin number ("181")
// or a ball name ("AF14"). The UCF writer's location column holds the
// longest with one blank after it.
inline constexpr std::size_t max_location_length = 4;

// Signal and port names, and a module's own names: "QM7_" and the module's
// name make a signal name.
inline constexpr std::size_t max_name_length = 32;
inline constexpr std::size_t max_module_name_length = 28;
static_assert(4 + max_module_name_length <= max_name_length);

}  // namespace hbpins
