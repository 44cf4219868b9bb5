#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "output/hdl/port_list.h"

namespace hbpins {

// The languages of the design files: the declarations, the templates and
// the top files merged from them.
enum class hdl_language { vhdl, verilog };
inline constexpr hdl_language hdl_languages[] = {hdl_language::vhdl, hdl_language::verilog};

struct language_entry {
  hdl_language language;
  std::string_view name;         // as the messages name it
  std::string_view comment;      // starts a comment to the end of the line
  std::string_view marker_lead;  // what every marker of a template starts with
  std::string_view extension;    // of the boards' default templates
  void (*write_declarations)(const port_list& list, std::ostream& out);
  void (*write_port_map)(const port_list& list, std::ostream& out);
};

const language_entry& language_info(hdl_language language);

// The language of a file by its name: Verilog where it ends in ".v" or
// ".sv" in any case (the Verilog-2001 text is SystemVerilog as well), VHDL
// for any other name.
hdl_language language_of_file(std::string_view name);

// The name of a board's default template, which -o reads beside the
// program where no -t names one: "HB710_template.vhd", "HB710_template.v".
std::string default_template_file_name(std::uint32_t board_number, hdl_language language);

}  // namespace hbpins
