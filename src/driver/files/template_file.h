#pragma once

#include <sys/types.h>

#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/hdl/template_merge.h"

namespace hbpins {

// A file by device and inode, whatever the name it is reached by.
struct file_identity {
  dev_t device = 0;
  ino_t inode = 0;
  bool is_regular = false;
  bool operator==(const file_identity&) const = default;
};

// The file a name leads to, links followed; nothing where there is none.
std::optional<file_identity> identity_of(const std::string& name);

// The VHDL template the driver reads: opened by -t or by -o, closed by -o.
struct template_file {
  std::ifstream stream;
  std::string name;  // as the verbose line shows it
  // Every file a template was opened from in this run, closed or not, so
  // that no output of the run overwrites one under any spelling of its name.
  std::vector<file_identity> opened;
};

// The extensions of the default templates beside the program, one for each
// language a template may be written in.
inline constexpr std::string_view template_extensions[] = {".vhd"};

// The directory the running executable really sits in, links resolved,
// ending in "/"; the directory part of program_path where the system cannot
// tell.
std::string program_directory(std::string_view program_path);

// Opens the template for reading and adds it to the opened files; throws
// run_failure when it cannot.
void open_template(template_file& tmpl, const std::string& name);

void close_template(template_file& tmpl);

// The board's template beside the program in the language of the
// extension, which -o reads without -t.
std::string default_template_name(std::string_view program_path, unsigned board,
                                  std::string_view extension = template_extensions[0]);

// No output may truncate a template: any the run has opened, nor any board's
// default template, which every later run without -t reads.
void check_not_template(const template_file& tmpl, std::string_view program_path,
                        const std::string& name);

// A template that lacks a marker line, so that the merge left out a block
// (a misspelt "--QM_BEGIN"), gets one warning line on err.
void warn_of_missing_markers(const template_file& tmpl, template_markers found, std::ostream& err);

}  // namespace hbpins
