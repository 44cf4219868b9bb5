#include "driver/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "driver/driver_errors.h"
#include "driver/file_names.h"

namespace hbpins {

namespace {

constexpr int write_error_number = 101;

// Devices such as /dev/null or /dev/full, and whatever a symbolic link
// points to that is not a regular file, are left alone.
void remove_partial_file(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::unlink(name.c_str());
}

io_failure write_failure(const std::string& name, int error) {
  std::string what = "cannot write " + name;
  if (error != 0) what += std::string(": ") + std::strerror(error);
  return {write_error_number, what};
}

}  // namespace

void write_output_file(const std::string& name, const std::function<void(std::ostream&)>& write) {
  std::ofstream file;
  errno = 0;
  file.open(name, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) throw open_failure(name, errno);
  try {
    file.exceptions(std::ios::badbit);
    write(file);
    errno = 0;
    file.close();
    if (file.fail()) throw write_failure(name, errno);
  } catch (const std::ios_base::failure&) {
    const int error = errno;
    remove_partial_file(name);
    throw write_failure(name, error);
  } catch (const io_failure&) {
    remove_partial_file(name);
    throw;
  }
}

}  // namespace hbpins
