#include "driver/files/file_identity.h"

namespace hbpins {

file_identity identity_of(const struct stat& info) {
  return {info.st_dev, info.st_ino, S_ISREG(info.st_mode)};
}

std::optional<file_identity> identity_of(const std::string& name) {
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return std::nullopt;
  return identity_of(info);
}

}  // namespace hbpins
