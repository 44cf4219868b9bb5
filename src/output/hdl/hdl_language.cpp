#include "output/hdl/hdl_language.h"

#include <algorithm>

#include "catalogue/board_catalogue.h"
#include "catalogue/text/ascii_case.h"
#include "output/hdl/template_lines.h"
#include "output/hdl/verilog_writers.h"
#include "output/hdl/vhdl_writers.h"

namespace hbpins {

namespace {

constexpr language_entry languages[] = {
    {hdl_language::vhdl, "VHDL", "--", "-- QM", ".vhd", write_declarations, write_port_map},
    {hdl_language::verilog, "Verilog", "//", "// QM", ".v", write_verilog_declarations,
     write_verilog_port_map},
};

// The merge keeps a marker cut by a read whole by the lead's length.
static_assert(std::ranges::all_of(languages, [](const language_entry& entry) {
  return entry.marker_lead.size() == marker_lead_size;
}));

constexpr std::string_view verilog_extensions[] = {".v", ".sv"};

}  // namespace

const language_entry& language_info(hdl_language language) {
  return languages[static_cast<std::size_t>(language)];
}

hdl_language language_of_file(std::string_view name) {
  for (std::string_view extension : verilog_extensions)
    if (ends_in_any_case(name, extension)) return hdl_language::verilog;
  return hdl_language::vhdl;
}

std::string default_template_file_name(std::uint32_t board_number, hdl_language language) {
  return board_name(board_number) + "_template" + std::string(language_info(language).extension);
}

}  // namespace hbpins
