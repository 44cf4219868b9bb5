#include "driver/files/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "driver/files/file_names.h"

namespace hbpins {

namespace {

// As many links as the system follows in one name.
constexpr int most_links = 40;

// A relative link text is read from the directory that holds the link.
std::string resolve(const std::string& link, std::string_view text) {
  if (text.starts_with('/')) return std::string(text);
  return directory_part(link).append(text);
}

}  // namespace

link_target follow_links(const std::string& name) {
  link_target target{name};
  for (int links = 0; links <= most_links; ++links) {
    struct stat info {};
    if (::lstat(target.path.c_str(), &info) != 0) {
      target.error = errno;
      return target;
    }
    if (!S_ISLNK(info.st_mode)) {
      target.is_regular = S_ISREG(info.st_mode);
      target.mode = info.st_mode & 07777;
      target.owner = info.st_uid;
      target.group = info.st_gid;
      target.names = info.st_nlink;
      return target;
    }
    std::array<char, 4096> text{};
    const ssize_t length = ::readlink(target.path.c_str(), text.data(), text.size());
    if (length < 0) {
      target.error = errno;
      return target;
    }
    target.is_link = true;
    target.path =
        resolve(target.path, std::string_view(text.data(), static_cast<std::size_t>(length)));
  }
  target.error = ELOOP;
  return target;
}

}  // namespace hbpins
