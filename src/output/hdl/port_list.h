#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "assembly/pin_list.h"
#include "catalogue/signal_names.h"
#include "catalogue/text/fixed_text.h"

namespace hbpins {

// One port of the VHDL files, or a line of comment text.
struct vhdl_port {
  fixed_text<32> name;  // the port name (a vector's base name), or the comment
  port_mode mode = port_mode::inp;
  std::int16_t low = 0;  // the range of a vector port
  std::int16_t high = 0;
  bool is_vector = false;
};

inline constexpr std::size_t max_ports = 256;

// The ports of an assembled board, each where its first signal was met: a
// scalar per plain signal name, a vector per family of indexed names
// (QM0_DIN<1> to QM0_DIN<5> make QM0_DIN, 5 down to 1). by_name finds the
// ports by name, comments aside: entry numbers plus one (0: a free slot),
// each at the first free slot from its name's hash on. A name held twice
// (append_port does not check) has a slot for each entry.
struct port_list {
  std::vector<vhdl_port> ports;
  std::array<std::uint16_t, 2 * max_ports> by_name{};
};

// The board's signals and/or each slot's, the slots headed by a comment.
// Names the checks refuse are left out, each with one line on messages.
port_list collect_ports(const pin_list& pins, bool with_board_signals, bool with_slots,
                        std::ostream& messages);

// A collection kept for the outputs that use it, with the lines its name
// checks printed: each -c and each block of a merge is a fresh collection to
// the user, who sees those lines again there.
struct collected_ports {
  port_list list;
  std::string messages;
};
collected_ports collect_ports(const pin_list& pins, bool with_board_signals, bool with_slots);

// A `comment` entry is stored as it is. Any other text is checked as a signal
// name and becomes a new port, or widens the vector port it is an element of.
// Every problem is one line on messages and leaves the list unchanged; the
// list never grows past max_ports.
void add_port(port_list& list, std::string_view text, port_mode mode, std::ostream& messages);

// The same for a signal name that has been checked already.
void add_checked_port(port_list& list, std::string_view name, const name_check& check,
                      port_mode mode, std::ostream& messages);

// Appends the port as it is, with no check.
void append_port(port_list& list, const vhdl_port& port);

// Entry number of the first port (comments skipped) named exactly base_name,
// or -1. Every further port of that name is reported on messages.
int find_port(const port_list& list, std::string_view base_name, std::ostream& messages);

}  // namespace hbpins
