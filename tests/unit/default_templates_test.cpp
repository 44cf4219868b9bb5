// The default templates declare each board's own signals by hand. They must
// agree with what the declaration writer makes of the catalogue: the same
// names, modes and vector ranges, in the entity, in the core's component and
// in the port map.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "assembly/board_configuration.h"
#include "output/port_list.h"
#include "output/vhdl_writers.h"
#include "run_helper.h"

namespace hbpins {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A template line or a writer line without indentation, separator and the
// backslashes of an extended identifier; the padding is kept.
std::string normalised(std::string line) {
  line.erase(0, line.find_first_not_of(' '));
  if (!line.empty() && (line.back() == ';' || line.back() == ',')) line.pop_back();
  std::string plain;
  for (char c : line)
    if (c != '\\') plain += c;
  // "\ACBUS_\" is two columns wider than "ACBUS_"; compare without padding.
  std::string squeezed;
  for (char c : plain)
    if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) squeezed += c;
  return squeezed;
}

// The lines of each list after an end marker, up to its closing parenthesis.
std::vector<std::vector<std::string>> board_port_lists(const std::string& template_text) {
  std::vector<std::vector<std::string>> lists;
  bool in_list = false;
  for (const std::string& line : lines_of(template_text)) {
    if (line.find("-- QM_END") != std::string::npos ||
        line.find("-- QM_MAP_END") != std::string::npos) {
      lists.emplace_back();
      in_list = true;
    } else if (in_list && line.find(");") != std::string::npos &&
               line.find("std_logic") == std::string::npos) {
      in_list = false;
    } else if (in_list) {
      lists.back().push_back(normalised(line));
    }
  }
  return lists;
}

TEST(DefaultTemplates, BoardPortsMatchTheCatalogue) {
  for (int board : {701, 706, 709, 710, 711}) {
    SCOPED_TRACE(board);
    hb_module_type config;
    std::ostringstream messages;
    select_board(config, static_cast<std::uint16_t>(board), messages);
    std::ostringstream declarations;
    write_declarations(config, declarations, messages, true, false);
    std::ostringstream associations;
    collect_ports(config, messages, true, false);
    write_map_lines(config.entity, associations);
    EXPECT_EQ(messages.str(), "");

    std::vector<std::string> expected_declarations;
    for (const std::string& line : lines_of(declarations.str()))
      expected_declarations.push_back(normalised(line));
    std::vector<std::string> expected_associations;
    for (const std::string& line : lines_of(associations.str()))
      expected_associations.push_back(normalised(line));

    const std::string path =
        std::string(HBPINS_SOURCE_DIR) + "/templates/HB" + std::to_string(board) + "_template.vhd";
    const auto lists = board_port_lists(testing::read_file(path));
    ASSERT_EQ(lists.size(), 3u) << "entity, component and port map";
    EXPECT_EQ(lists[0], expected_declarations);
    EXPECT_EQ(lists[1], expected_declarations);
    EXPECT_EQ(lists[2], expected_associations);
  }
}

}  // namespace
}  // namespace hbpins
