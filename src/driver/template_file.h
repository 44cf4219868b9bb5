#pragma once

#include <sys/types.h>

#include <fstream>
#include <string>

namespace hbpins {

// The VHDL template the driver reads: opened by -t or by -o, closed by -o.
struct template_file {
  std::ifstream stream;
  // Identity of the opened file, so that no output overwrites it under
  // another spelling of its name.
  dev_t device = 0;
  ino_t inode = 0;
};

// Opens the template for reading; throws io_failure when it cannot.
void open_template(template_file& tmpl, const std::string& name);

void close_template(template_file& tmpl);

// True when name is the file the open template was read from.
bool is_open_template(const template_file& tmpl, const std::string& name);

}  // namespace hbpins
