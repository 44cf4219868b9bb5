#include "driver/files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "driver/files/file_names.h"
#include "driver/files/run_failure.h"

namespace hbpins {

namespace {

struct open_descriptor {
  int fd;
  ~open_descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

std::string read_input_file(const std::string& name, std::size_t max_size) {
  const open_descriptor file{::open(name.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) throw open_failure(name, errno);
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) throw open_failure(name, errno);
  // A directory opens like a file but cannot be read as one.
  if (S_ISDIR(info.st_mode)) throw open_failure(name, EISDIR);
  std::string text;
  if (S_ISREG(info.st_mode))
    text.reserve(std::min(static_cast<std::size_t>(info.st_size), max_size + 1));
  std::array<char, 65536> block;
  for (;;) {
    const ssize_t got = ::read(file.fd, block.data(), block.size());
    if (got == 0 || text.size() > max_size) return text;
    if (got > 0) {
      text.append(block.data(), static_cast<std::size_t>(got));
    } else if (errno != EINTR) {
      throw read_failure(name, errno);
    }
  }
}

}  // namespace hbpins
