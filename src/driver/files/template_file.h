#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/run_catalogue.h"
#include "driver/files/file_identity.h"
#include "output/hdl/hdl_language.h"
#include "output/hdl/template_merge.h"

namespace hbpins {

// A template file the run opened, and the language of its name.
struct opened_template {
  file_identity file;
  hdl_language language = hdl_language::vhdl;
};

// The template the driver reads: opened by -t or by -o, closed by -o. A
// loaded board without a default template beside the program has one made
// from its data, read from memory.
struct template_file {
  std::ifstream stream;
  std::optional<std::istringstream> made;
  std::string name;                            // as the verbose line shows it
  hdl_language language = hdl_language::vhdl;  // by its name
  // Every template opened in this run, closed or not, with its language, so
  // that no output of the run overwrites one under any spelling of its name.
  std::vector<opened_template> opened;
};

// The directory the running executable really sits in, links resolved,
// ending in "/"; the directory part of program_path where the system cannot
// tell.
std::string program_directory(std::string_view program_path);

// Opens the template for reading, in the language its name tells, and adds
// it to the opened files; throws run_failure when it cannot.
void open_template(template_file& tmpl, const std::string& name);

// Takes a template made at run time in place of a file.
void use_made_template(template_file& tmpl, std::string text, std::string name,
                       hdl_language language);

// Whether a template is open, and what -o reads of it.
bool is_open(const template_file& tmpl);
std::istream& template_text(template_file& tmpl);

void close_template(template_file& tmpl);

// The board's template beside the program in a language, which -o reads
// without -t.
std::string default_template_name(std::string_view program_path, std::uint32_t board_number,
                                  hdl_language language);

// No output may truncate a template: any the run has opened, nor the
// default template of either language of any board the run knows, which
// every later run without -t reads.
void check_not_template(const template_file& tmpl, std::string_view program_path,
                        const run_catalogue& catalogue, const std::string& name);

// A template that lacks a marker line, so that the merge left out a block
// (a misspelt "--QM_BEGIN"), gets one warning line on err, with the markers
// of its language.
void warn_of_missing_markers(const template_file& tmpl, template_markers found, std::ostream& err);

}  // namespace hbpins
