// The VHDL and the Verilog lines of one port list say the same: every
// built-in module and variant on some slot of every built-in board, each
// line of each language read back on its own terms, must give the same
// ports in the same order, with the same directions and ranges, and the
// same comments.

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "output/hdl/port_list.h"
#include "output/hdl/verilog_writers.h"
#include "output/hdl/vhdl_writers.h"

namespace hbpins {
namespace {

using line_list = std::vector<std::string>;

// How the lines of one kind are read: the groups of the pattern that hold
// the name, the escaped name, the direction and the bounds (0: none).
enum group { name, escaped, direction, high, low };
struct line_reading {
  std::array<int, 5> groups;
  std::regex pattern;
};

const line_reading vhdl_declaration{
    {2, 1, 3, 4, 5},
    std::regex(R"( {4}(?:\\([^\\]+)\\|(\S+)) +: (in|out|inout) +)"
               R"(std_logic(?:_vector\( ?(-?\d+) downto +(-?\d+)\))?;)")};
const line_reading verilog_declaration{
    {5, 4, 1, 2, 3},
    std::regex(R"( {4}(input|output|inout) +wire +(?:\[ ?(-?\d+): ?(-?\d+)\] +)?)"
               R"((?:\\(\S+) |(\S+)),)")};
const line_reading vhdl_association{{2, 1, 0, 0, 0},
                                    std::regex(R"( {4}(?:\\([^\\]+)\\|(\S+)) +=> (\S+),)")};
const line_reading verilog_connection{
    {2, 1, 0, 0, 0}, std::regex(R"( {4}\.(?:\\(\S+) |(\S+)) *\((?:\\(\S+) |(\S+))\),)")};

// Each line as "NAME DIRECTION HIGH LOW" (as far as it has them; VHDL
// modes as the Verilog words) or "# TEXT" for a comment; a line that reads
// as neither is kept whole, so that it fails the comparison.
line_list read_lines(const std::string& text, const line_reading& reading) {
  static const std::regex comment("(?:--|//) (.*)");
  line_list lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::smatch m;
    std::string read;
    if (std::regex_match(line, m, comment)) {
      read.append("# ").append(m.str(1));
    } else if (!std::regex_match(line, m, reading.pattern)) {
      read.append("unread: ").append(line);
    } else {
      const auto& g = reading.groups;
      read.append(m.str(g[escaped])).append(m.str(g[name])).append(" ");
      if (g[direction] > 0) read.append(m.str(g[direction]));
      if (read.ends_with(" in") || read.ends_with(" out")) read.append("put");
      for (int bound : {g[high], g[low]})
        if (bound > 0 && m[bound].matched) read.append(" ").append(m.str(bound));
    }
    lines.push_back(read);
  }
  return lines;
}

void expect_same_ports(const pin_list& pins) {
  std::ostringstream messages, vhdl, verilog, vhdl_map, verilog_map;
  const port_list ports = collect_ports(pins, true, true, messages);
  write_declarations(ports, vhdl);
  write_verilog_declarations(ports, verilog);
  write_port_map(ports, vhdl_map);
  write_verilog_port_map(ports, verilog_map);
  EXPECT_EQ(read_lines(vhdl.str(), vhdl_declaration),
            read_lines(verilog.str(), verilog_declaration));
  EXPECT_EQ(read_lines(vhdl_map.str(), vhdl_association),
            read_lines(verilog_map.str(), verilog_connection));
}

TEST(BothLanguages, TheSamePortsOnEveryBoard) {
  std::vector<placed_slot> placements;
  for (const module_entry& module : builtin_modules)
    if (module.kind != module_kind::listing_only)
      for (std::size_t variant = 0; variant < std::max<std::size_t>(module.variants.size(), 1);
           ++variant)
        placements.push_back({&module, static_cast<std::uint8_t>(variant)});
  for (const board_entry& board : builtin_boards)
    for (std::size_t first = 0; first < placements.size(); first += slot_count(board)) {
      board_configuration config;
      select_board(config, board);
      for (std::size_t slot = 0; slot < slot_count(board) && first + slot < placements.size();
           ++slot)
        config.slots[slot] = placements[first + slot];
      SCOPED_TRACE(std::to_string(board.number) + " from module " +
                   std::to_string(placements[first].module->number));
      expect_same_ports(resolve_pins(config));
    }
}

}  // namespace
}  // namespace hbpins
