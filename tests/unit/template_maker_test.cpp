// The note of a default template made from a board's catalogue entry where
// a board signal's name has to be escaped, which no built-in board needs in
// Verilog. The case boards-own holds whole templates of a loaded board.

#include "output/hdl/template_maker.h"

#include <gtest/gtest.h>

#include <string>

namespace hbpins {
namespace {

// A board of no slots whose signals need escaping: "end" is a keyword of
// both languages, DATA_ ends in an underscore, which VHDL alone refuses.
constexpr pin_type odd_signals[] = {
    {"CLK", "A1", direction::se_in},         {"end", "A2", direction::se_out},
    {"DATA_<1>", "A3", direction::se_bidir}, {"DATA_<0>", "A4", direction::se_bidir_up},
    {"RX_p", "A5", direction::lvds_in_p},    {"RX_n", "A6", direction::lvds_in_n},
};
constexpr std::span<const pin_type> odd_tables[] = {odd_signals};
const board_entry odd_board{799, "", {package_layout::ball_grid, 26}, {}, odd_tables};

// The lines of text from the one that starts with first, as many as given.
std::string lines_from(const std::string& text, const std::string& first, std::size_t count) {
  std::size_t start = text.find(first), end = start;
  for (std::size_t i = 0; i < count && end != text.npos; ++i) end = text.find('\n', end + 1);
  return start == text.npos || end == text.npos ? "" : text.substr(start, end + 1 - start);
}

// The note gives the reason all the escaped names share, or a general one.
TEST(TemplateMaker, TheNoteOnEscapedNames) {
  const std::string vhdl = make_default_template(odd_board, hdl_language::vhdl);
  EXPECT_EQ(lines_from(vhdl, "-- Board", 2),
            "-- Board signals whose names are no basic identifiers are extended identifiers\n"
            "-- (\\end\\), so that they keep the names of the constraints file.\n");
  EXPECT_EQ(lines_from(vhdl, "entity hb799_top", 10),
            "entity hb799_top is\n"
            "  port (\n"
            "    -- QM_BEGIN\n"
            "    -- QM_END\n"
            "    CLK                 : in     std_logic;\n"
            "    \\end\\               : out    std_logic;\n"
            "    \\DATA_\\             : inout  std_logic_vector( 1 downto  0);\n"
            "    RX_p                : in     std_logic;\n"
            "    RX_n                : in     std_logic\n"
            "  );\n");
  static constexpr pin_type underscore_signals[] = {{"CLK", "A1", direction::se_in},
                                                    {"ACBUS_<0>", "A2", direction::se_out},
                                                    {"B_", "A3", direction::se_out}};
  static constexpr std::span<const pin_type> underscore_tables[] = {underscore_signals};
  const board_entry underscores{798, "", {}, {}, underscore_tables};
  EXPECT_EQ(lines_from(make_default_template(underscores, hdl_language::vhdl), "-- Board", 2),
            "-- Board signals whose names end in an underscore are extended identifiers\n"
            "-- (\\ACBUS_\\), so that they keep the names of the constraints file.\n");
  EXPECT_EQ(make_default_template(underscores, hdl_language::verilog).find("Board signals"),
            std::string::npos);
  static constexpr pin_type other_signals[] = {{"CLK", "A1", direction::se_in},
                                               {"3D", "A2", direction::se_out},
                                               {"wire", "A3", direction::se_out}};
  static constexpr std::span<const pin_type> other_tables[] = {other_signals};
  const board_entry others{797, "", {}, {}, other_tables};
  EXPECT_EQ(lines_from(make_default_template(others, hdl_language::verilog), "// Board", 2),
            "// Board signals whose names are no simple identifiers are escaped identifiers\n"
            "// (\\3D ), so that they keep the names of the constraints file.\n");
}

}  // namespace
}  // namespace hbpins
