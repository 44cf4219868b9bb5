// The default templates declare each board's own signals by hand. They must
// agree with what the declaration writer makes of the catalogue: the same
// names, modes and vector ranges, in the entity, in the core's component and
// in the port map.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "output/hdl/port_list.h"
#include "output/hdl/vhdl_writers.h"

namespace hbpins {
namespace {

using line_list = std::vector<std::string>;

// A port line without its separator, the backslashes of an extended
// identifier and the padding: "\ACBUS_\" is two columns wider than "ACBUS_".
std::string normalised(const std::string& line) {
  std::string plain;
  for (char c : line)
    if (c != '\\' && c != ';' && c != ',' && (c != ' ' || (!plain.empty() && plain.back() != ' ')))
      plain += c;
  return plain;
}

line_list normalised_lines(std::istream&& in) {
  line_list lines;
  for (std::string line; std::getline(in, line);) lines.push_back(normalised(line));
  return lines;
}

// The lines of each list after an end marker, up to its closing parenthesis.
std::vector<line_list> board_port_lists(std::ifstream&& tmpl) {
  std::vector<line_list> lists;
  bool in_list = false;
  for (std::string line; std::getline(tmpl, line);) {
    if (line.find("-- QM_END") != line.npos || line.find("-- QM_MAP_END") != line.npos) {
      lists.emplace_back();
      in_list = true;
    } else if (line.find(");") != line.npos && line.find("std_logic") == line.npos) {
      in_list = false;
    } else if (in_list) {
      lists.back().push_back(normalised(line));
    }
  }
  return lists;
}

TEST(DefaultTemplates, BoardPortsMatchTheCatalogue) {
  for (const board_entry& board : builtin_boards) {
    SCOPED_TRACE(board.number);
    board_configuration config;
    select_board(config, board);
    std::ostringstream messages, declarations, associations;
    const port_list ports = collect_ports(resolve_pins(config), true, false, messages);
    write_declarations(ports, declarations);
    write_port_map(ports, associations);
    EXPECT_EQ(messages.str(), "");
    const std::string path =
        std::string(HBPINS_SOURCE_DIR) + "/templates/" + board_name(board.number) + "_template.vhd";
    const std::vector<line_list> lists = board_port_lists(std::ifstream(path));
    ASSERT_EQ(lists.size(), 3u) << "entity, component and port map";
    EXPECT_EQ(lists[0], normalised_lines(std::istringstream(declarations.str())));
    EXPECT_EQ(lists[1], lists[0]);
    EXPECT_EQ(lists[2], normalised_lines(std::istringstream(associations.str())));
  }
}

}  // namespace
}  // namespace hbpins
