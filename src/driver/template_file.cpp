#include "driver/template_file.h"

#include <sys/stat.h>

#include <cerrno>

#include "driver/driver_errors.h"
#include "driver/file_names.h"

namespace hbpins {

void open_template(template_file& tmpl, const std::string& name) {
  if (tmpl.stream.is_open()) tmpl.stream.close();
  tmpl.stream.clear();
  errno = 0;
  tmpl.stream.open(name, std::ios::binary);
  if (!tmpl.stream.is_open()) throw open_failure(name, errno);
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) throw open_failure(name, errno);
  // A directory opens like a file but cannot be read as one.
  if (S_ISDIR(info.st_mode)) {
    tmpl.stream.close();
    throw open_failure(name, EISDIR);
  }
  tmpl.device = info.st_dev;
  tmpl.inode = info.st_ino;
}

void close_template(template_file& tmpl) {
  tmpl.stream.close();
}

bool is_open_template(const template_file& tmpl, const std::string& name) {
  if (!tmpl.stream.is_open()) return false;
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return false;
  return info.st_dev == tmpl.device && info.st_ino == tmpl.inode;
}

}  // namespace hbpins
