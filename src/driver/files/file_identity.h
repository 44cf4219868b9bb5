#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace hbpins {

// A file by device and inode, whatever the name it is reached by.
struct file_identity {
  dev_t device = 0;
  ino_t inode = 0;
  bool is_regular = false;
  bool operator==(const file_identity&) const = default;
};

// The identity of the file the status describes.
file_identity identity_of(const struct stat& info);

// The file a name leads to, links followed; nothing where there is none.
std::optional<file_identity> identity_of(const std::string& name);

}  // namespace hbpins
