#include "driver/files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

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

constexpr std::size_t most_read = max_input_size + 1;

// Adds a block that was read; false once the text is complete.
bool append_block(std::string& text, const char* block, std::size_t size, nul_bytes nul) {
  const void* zero = nul == nul_bytes::end_the_text ? std::memchr(block, 0, size) : nullptr;
  const std::size_t kept = zero == nullptr ? size : static_cast<const char*>(zero) - block + 1;
  text.append(block, kept);
  return zero == nullptr && text.size() < most_read;
}

std::string read_descriptor(int fd, const std::string& name, nul_bytes nul) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) throw open_failure(name, errno);
  // A directory opens like a file but cannot be read as one.
  if (S_ISDIR(info.st_mode)) throw open_failure(name, EISDIR);
  // Room for the whole text at once: a regular file's size, or for a stream
  // of unknown length the most that is read, which the system backs with
  // memory only as it is written. Growing it would copy the text.
  const bool sized = S_ISREG(info.st_mode) && info.st_size > 0;
  std::string text;
  text.reserve(sized ? std::min(static_cast<std::size_t>(info.st_size), most_read) : most_read);
  std::array<char, 65536> block;
  for (;;) {
    const std::size_t wanted = std::min(block.size(), most_read - text.size());
    const ssize_t got = ::read(fd, block.data(), wanted);
    if (got == 0) return text;
    if (got > 0) {
      if (!append_block(text, block.data(), static_cast<std::size_t>(got), nul)) return text;
    } else if (errno != EINTR) {
      throw read_failure(name, errno);
    }
  }
}

}  // namespace

std::string max_input_size_words() {
  return std::to_string(max_input_size >> 20) + " MiB";
}

std::string read_input_file(const std::string& name, nul_bytes nul) {
  const open_descriptor file{::open(name.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) throw open_failure(name, errno);
  return read_descriptor(file.fd, name, nul);
}

std::string read_standard_input(const std::string& name, nul_bytes nul) {
  return read_descriptor(STDIN_FILENO, name, nul);
}

std::optional<file_identity> standard_input_identity() {
  struct stat info {};
  if (::fstat(STDIN_FILENO, &info) != 0) return std::nullopt;
  return identity_of(info);
}

}  // namespace hbpins
