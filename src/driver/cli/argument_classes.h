#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace hbpins {

struct output_option;  // a row of the output table (output_options.cpp)

// What the run takes an argument for. All but --help and --version, which
// count only as whole arguments, are told by their first two characters,
// upper-cased.
enum class argument_role : std::uint8_t {
  help,
  version,
  setting,         // -v, -1, -2, -W, -x: a switch without a value
  board,           // -d NR, HB<nr>
  board_export,    // -d NR, HB<nr> in the module file layout of -x
  board_file,      // -b NAME
  module,          // -s NR, -s<slot> NR, QM<nr> once a board is chosen
  listing,         // QM<nr>, QMALL before a board
  output,          // a row of the output table, or a bare name ending in ".ucf"
  template_input,  // -t NAME
  module_file,     // -m NAME
  unknown,
};

struct argument_class {
  argument_role role = argument_role::unknown;
  std::size_t used = 1;  // the argument and its value, where it takes one
  // --help, --version, QMALL and a board exported end the run where they
  // stand.
  bool ends_run = false;
  // Outputs only: "-" as its value names standard output (-p); it merges the
  // template (-o).
  bool may_write_stdout = false;
  bool reads_template = false;
  const output_option* output = nullptr;  // the row of the output table
};

// A is the argument upper-cased; whole as it was typed. In the module file
// layout of -x a board is exported, not chosen.
argument_class classify_argument(std::string_view whole, std::string_view a, bool board_chosen,
                                 bool module_file_layout = false);

// What a whole command line holds, walked as the run walks it (args[0] is
// the program path); the run decides where its streams go from it before it
// takes the first argument.
struct command_line_outline {
  bool module_file_layout = false;  // an argument the run takes as -x
  bool report_to_stdout = false;    // the report option with "-" as its file
  std::size_t last_merge = 0;       // the index of the last -o; 0 when there is none
};

command_line_outline outline_of(std::span<const std::string> args);

}  // namespace hbpins
