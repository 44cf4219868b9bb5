#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "output/hdl/port_list.h"

namespace hbpins {

// Fills the text appended to line since start with blanks to width
// columns, and with one blank where it is as wide already or wider.
void pad_from(std::string& line, std::size_t start, std::size_t width);

// A vector bound right-aligned in two columns; a longer number takes the
// room it needs.
void append_bound(std::string& line, std::int16_t value);

// The lines of the list made in one text, each by append_line, of
// max_ports lines at most, and written at once.
void write_port_lines(const port_list& list, std::ostream& out,
                      void (*append_line)(std::string& text, const vhdl_port& port));

}  // namespace hbpins
