#include "driver/files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "driver/files/descriptor_buffer.h"
#include "driver/files/file_names.h"
#include "driver/files/link_target.h"
#include "driver/files/run_failure.h"
#include "driver/files/temporary_file.h"

namespace hbpins {

namespace {

using writer = std::function<void(std::ostream&)>;

run_failure write_failure(const std::string& name, int error) {
  std::string what = "cannot write " + name;
  if (error != 0) what += std::string(": ") + std::strerror(error);
  return {exit_status::write, what};
}

// An open descriptor that is closed however its writing ends.
struct open_file {
  int descriptor;
  ~open_file() {
    if (descriptor >= 0) ::close(descriptor);
  }
};

void write_to(int descriptor, const std::string& name, const writer& write) {
  descriptor_buffer buffer(descriptor);
  std::ostream out(&buffer);
  out.exceptions(std::ios::badbit);
  try {
    write(out);
    out.flush();
  } catch (const std::ios_base::failure&) {
    throw write_failure(name, buffer.error());
  }
}

// The identity of the written file, then the close, which may be the first
// to report a failed write.
file_identity close_written(open_file& file, const std::string& name) {
  struct stat info {};
  ::fstat(file.descriptor, &info);
  const int descriptor = file.descriptor;
  file.descriptor = -1;
  if (::close(descriptor) != 0) throw write_failure(name, errno);
  return identity_of(info);
}

// Devices, FIFOs, dangling links, and whatever cannot be replaced safely,
// are written where they are. A regular file that existed is truncated
// first, so a failure after the open leaves neither its old content nor the
// new, and says so.
file_identity write_in_place(const std::string& name, const writer& write,
                             bool truncates_file = false) {
  open_file file{::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)};
  if (file.descriptor < 0) throw open_failure(name, errno);
  try {
    write_to(file.descriptor, name, write);
    return close_written(file, name);
  } catch (run_failure& failure) {
    if (truncates_file) failure.message += "; the previous content of " + name + " is lost";
    throw;
  }
}

// What a plain create gives.
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Both as root, the group alone for a member of it; otherwise the new file
// is the process's own.
bool keep_owner(int descriptor, const link_target& target) {
  return ::fchown(descriptor, target.owner, target.group) == 0 ||
         ::fchown(descriptor, static_cast<uid_t>(-1), target.group) == 0;
}

// The temporary file takes the target's owner, group and mode (in this
// order: a change of owner clears the set-ID bits) and, once complete, its
// place.
file_identity replace_whole(open_file& file, const link_target& target, const std::string& name,
                            const writer& write) {
  try {
    write_to(file.descriptor, name, write);
    if (target.error == 0) keep_owner(file.descriptor, target);
    ::fchmod(file.descriptor, target.error == 0 ? target.mode : new_file_mode());
    const file_identity written = close_written(file, name);
    if (const int error = rename_temporary(target.path); error != 0)
      throw write_failure(name, error);
    return written;
  } catch (...) {
    remove_temporary();
    throw;
  }
}

}  // namespace

// A regular file is written to a temporary file beside it, links followed,
// and renamed over it only once complete. A name that cannot be looked up
// goes the plain way, which reports the same error as before.
file_identity write_output_file(const std::string& name, const writer& write,
                                std::ostream& warnings) {
  const link_target target = follow_links(name);
  const bool replaceable =
      target.error == 0 ? target.is_regular : target.error == ENOENT && !target.is_link;
  if (!replaceable) return write_in_place(name, write);
  if (target.error == 0) {
    // Whoever may not write the file may not replace it either.
    const open_file check{::open(target.path.c_str(), O_WRONLY | O_CLOEXEC)};
    if (check.descriptor < 0) throw open_failure(name, errno);
  }
  open_file file{create_temporary(directory_part(target.path))};
  if (file.descriptor < 0) return write_in_place(name, write, target.error == 0);
  const file_identity written = replace_whole(file, target, name, write);
  // The new file takes one name; the old one stays under the others.
  if (target.error == 0 && target.names > 1)
    warnings << "hbpins: warning: " << name << ": the replaced file had " << target.names
             << " names (hard links); the others keep its previous content\n";
  return written;
}

}  // namespace hbpins
