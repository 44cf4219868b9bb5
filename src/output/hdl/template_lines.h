#pragma once

#include <cstddef>
#include <string_view>

namespace hbpins {

// Every marker of a template starts with a lead of this many characters,
// the language's comment and " QM": "-- QM" in VHDL, "// QM" in Verilog.
inline constexpr std::size_t marker_lead_size = 5;

// A block of a template that ends within a marker leaves it whole in the
// next block when it keeps this many of its last bytes: one fewer than the
// longest marker, "-- QM_MAP_BEGIN".
inline constexpr std::size_t marker_overlap = 14;

// What a template line becomes. A line with markers of several kinds
// becomes the one latest in this list.
enum class line_kind { ordinary, dropped, port_map, declarations };

// The kind of a line by the markers, each the lead and its tail, that lie
// whole in text.
line_kind kind_of(std::string_view text, std::string_view lead);

// Turns every CRLF and every lone CR of data into LF, in place; returns the
// new size.
std::size_t to_lf_line_ends(char* data, std::size_t size);

// Where the line that holds text[at] starts.
std::size_t line_start(std::string_view text, std::size_t at);

// Just after the last LF of text; 0 without one.
std::size_t after_last_lf(std::string_view text);

// The first LF or CR of text; its size without one.
std::size_t first_line_end(std::string_view text);

}  // namespace hbpins
