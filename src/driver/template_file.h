#pragma once

#include <sys/types.h>

#include <fstream>
#include <string>
#include <string_view>

namespace hbpins {

// The VHDL template the driver reads: opened by -t or by -o, closed by -o.
struct template_file {
  std::ifstream stream;
  // Identity of the opened file, so that no output overwrites it under
  // another spelling of its name.
  dev_t device = 0;
  ino_t inode = 0;
};

// The directory the running executable really sits in, links resolved,
// ending in "/"; the directory part of program_path where the system cannot
// tell.
std::string program_directory(std::string_view program_path);

// Opens the template for reading; throws run_failure when it cannot.
void open_template(template_file& tmpl, const std::string& name);

void close_template(template_file& tmpl);

// An output must never truncate the template it is about to read.
void check_not_template(const template_file& tmpl, const std::string& name);

}  // namespace hbpins
