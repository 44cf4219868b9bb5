#include "output/hdl/template_maker.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "assembly/board_configuration.h"
#include "assembly/pin_list.h"
#include "output/hdl/port_list.h"
#include "output/hdl/verilog_names.h"
#include "output/hdl/vhdl_names.h"

namespace hbpins {

namespace {

// Each template is its language's shape with the board filled in: @NR@
// is the board number; a line "@NOTE@" becomes the note on the names that
// need escaping, or goes; a line "@PORTS@" or "@MAP@" becomes the board's
// port declarations or connections, at that line's indent, the last one
// without its separator, so that it closes the list.
constexpr std::string_view vhdl_shape =
    R"(-- Top level of an HB@NR@ base board and the QM modules on its slots.
--
-- hbpins writes the module ports in place of each marker line QM_BEGIN
-- and their port map in place of the marker line QM_MAP_BEGIN; it drops
-- the marker lines QM_END and QM_MAP_END. Every inserted port ends with
-- ";" and every association with ",", so the board's own ports follow
-- the markers and close each list.
--
-- Write your design as the entity hb@NR@_core (the declarations that
-- "hbpins ... -c" writes are its port list), or edit the architecture below.
@NOTE@

library ieee;
use ieee.std_logic_1164.all;

entity hb@NR@_top is
  port (
    -- QM_BEGIN
    -- QM_END
    @PORTS@
  );
end entity hb@NR@_top;

architecture structure of hb@NR@_top is

  component hb@NR@_core is
    port (
      -- QM_BEGIN
      -- QM_END
      @PORTS@
    );
  end component hb@NR@_core;

begin

  -- Add your own signals and logic here.

  core : hb@NR@_core
    port map (
      -- QM_MAP_BEGIN
      -- QM_MAP_END
      @MAP@
    );

end architecture structure;
)";

// Verilog has no component: hb<nr>_core is the module of the user's design.
// Implicit nets are off within the file, so that a misspelt name is an
// error rather than a new wire, and back on after it.
constexpr std::string_view verilog_shape =
    R"(// Top level of an HB@NR@ base board and the QM modules on its slots.
//
// hbpins writes the module ports in place of each marker line QM_BEGIN
// and their connections in place of the marker line QM_MAP_BEGIN; it
// drops the marker lines QM_END and QM_MAP_END. Every inserted port and
// every connection ends with ",", so the board's own ports follow the
// markers and close each list.
//
// Write your design as the module hb@NR@_core (the declarations that
// "hbpins ... -c NAME.v" writes are its port list), or edit the module
// below.
@NOTE@

`default_nettype none

module hb@NR@_top (
    // QM_BEGIN
    // QM_END
    @PORTS@
  );

  // Add your own signals and logic here.

  hb@NR@_core core (
    // QM_MAP_BEGIN
    // QM_MAP_END
    @MAP@
  );

endmodule

`default_nettype wire
)";

bool ends_in_underscore(std::string_view name) {
  return name.ends_with('_');
}

// What a language's template says of the board signals whose names it
// escapes: the reason all of them share, where they do, and an example.
struct template_words {
  std::string_view shape;
  bool (*is_plain_name)(std::string_view name);
  bool (*has_usual_reason)(std::string_view name);
  std::string_view usual_reason;
  std::string_view other_reason;
  std::string_view escaped;
  void (*append_name)(std::string& text, std::string_view name);
};

constexpr template_words words[] = {
    {vhdl_shape, is_basic_identifier, ends_in_underscore, "end in an underscore",
     "are no basic identifiers", "extended identifiers", append_vhdl_name},
    {verilog_shape, is_simple_identifier, is_verilog_keyword, "are keywords",
     "are no simple identifiers", "escaped identifiers", append_verilog_name},
};

// The board's own signals, as the declarations of -c begin.
port_list board_ports(const board_entry& board) {
  board_configuration config;
  select_board(config, board);
  std::ostringstream messages;  // the board check keeps the names clean
  return collect_ports(resolve_pins(config), true, false, messages);
}

// The words joined by blanks into comment lines of at most 80 columns.
void append_comment_text(std::string& text, std::string_view comment, std::string_view words) {
  std::size_t column = 0;
  for (std::size_t from = 0; from < words.size();) {
    const std::size_t end = std::min(words.find(' ', from), words.size());
    const std::string_view word = words.substr(from, end - from);
    if (column > 0 && column + 1 + word.size() > 80) text += '\n', column = 0;
    if (column == 0) text.append(comment), column = comment.size();
    text.append(1, ' ').append(word);
    column += 1 + word.size();
    from = end + 1;
  }
  text += '\n';
}

void append_note(std::string& text, const template_words& language, std::string_view comment,
                 const port_list& ports) {
  std::string example;
  bool usual = true;
  for (const vhdl_port& port : ports.ports) {
    if (language.is_plain_name(port.name)) continue;
    if (example.empty()) language.append_name(example, port.name);
    usual = usual && language.has_usual_reason(port.name);
  }
  if (example.empty()) return;
  const std::string note = std::string("Board signals whose names ")
                               .append(usual ? language.usual_reason : language.other_reason)
                               .append(" are ")
                               .append(language.escaped)
                               .append(" (")
                               .append(example)
                               .append("), so that they keep the names of the constraints file.");
  append_comment_text(text, comment, note);
}

// The writer's lines at the indent given, the last one without its
// separator.
void append_ports(std::string& text, std::string_view indent, const port_list& ports,
                  void (*write)(const port_list& list, std::ostream& out)) {
  std::ostringstream lines;
  write(ports, lines);
  std::istringstream in(lines.str());
  for (std::string line; std::getline(in, line);) {
    const bool port = line.starts_with("    ");
    text.append(indent).append(port ? std::string_view(line).substr(4) : line) += '\n';
  }
  if (text.ends_with(";\n") || text.ends_with(",\n")) text.erase(text.size() - 2, 1);
}

void append_shape_line(std::string& text, std::string_view line, const std::string& number) {
  for (std::size_t at; (at = line.find("@NR@")) != line.npos; line.remove_prefix(at + 4))
    text.append(line.substr(0, at)).append(number);
  text.append(line) += '\n';
}

}  // namespace

std::string make_default_template(const board_entry& board, hdl_language language) {
  const template_words& shape = words[static_cast<std::size_t>(language)];
  const language_entry& info = language_info(language);
  const port_list ports = board_ports(board);
  const std::string number = std::to_string(board.number);
  std::string text;
  std::string_view rest = shape.shape;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
    const std::string_view content = line.substr(indent);
    if (content == "@NOTE@")
      append_note(text, shape, info.comment, ports);
    else if (content == "@PORTS@")
      append_ports(text, line.substr(0, indent), ports, info.write_declarations);
    else if (content == "@MAP@")
      append_ports(text, line.substr(0, indent), ports, info.write_port_map);
    else
      append_shape_line(text, line, number);
  }
  return text;
}

}  // namespace hbpins
