#pragma once

#include <sys/types.h>

#include <string>

namespace hbpins {

// Where an output name leads once the symbolic links of its last part are
// followed, one by one.
struct link_target {
  std::string path;      // the final target, reached through the links' texts
  bool is_link = false;  // the name itself is a symbolic link
  // The errno of looking up the final target (ENOENT: there is none yet;
  // ELOOP: too many links), or 0 when it exists.
  int error = 0;
  bool is_regular = false;
  mode_t mode = 0;  // its permission bits
  uid_t owner = 0;
  gid_t group = 0;
  nlink_t names = 0;  // its hard links
};

link_target follow_links(const std::string& name);

}  // namespace hbpins
