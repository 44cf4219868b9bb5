#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "assembly/pin_list.h"
#include "catalogue/fixed_text.h"
#include "catalogue/signal_names.h"

namespace hbpins {

// One port of the VHDL files, or a line of comment text.
struct vhdl_port {
  fixed_text<32> name;  // the port name (a vector's base name), or the comment
  vhdl_dir mode = vhdl_dir::inp;
  std::int16_t low = 0;  // the range of a vector port
  std::int16_t high = 0;
  bool is_vector = false;
};

inline constexpr std::size_t max_ports = 256;

// Where a port name first stands in the list, and how many ports hold it.
struct named_port {
  std::size_t entry = 0;
  std::size_t count = 0;
};

// Port names are looked up by any text, compared as texts.
struct port_name_hash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const {
    return std::hash<std::string_view>{}(name);
  }
};
struct port_name_equal {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return a == b; }
};

// The ports of an assembled board, each where its first signal was met: a
// scalar per plain signal name, a vector per family of indexed names
// (QM0_DIN<1> to QM0_DIN<5> make QM0_DIN, 5 down to 1). Ports are looked up
// by name, comments aside, through by_name.
struct port_list {
  std::vector<vhdl_port> ports;
  std::unordered_map<fixed_text<32>, named_port, port_name_hash, port_name_equal> by_name;
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
void add_port(port_list& list, std::string_view text, vhdl_dir mode, std::ostream& messages);

// The same for a signal name that has been checked already.
void add_signal(port_list& list, std::string_view name, const name_check& check, vhdl_dir mode,
                std::ostream& messages);

// Appends the port as it is, with no check.
void append_port(port_list& list, const vhdl_port& port);

// Entry number of the first port (comments skipped) named exactly base_name,
// or -1. Every further port of that name is reported on messages.
int find_port(const port_list& list, std::string_view base_name, std::ostream& messages);

}  // namespace hbpins
