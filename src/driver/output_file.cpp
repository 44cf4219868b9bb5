#include "driver/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

#include "driver/file_names.h"
#include "driver/run_failure.h"

namespace hbpins {

namespace {

// The temporary file being written, for the signal handler: a fixed buffer,
// so that the handler only reads memory and calls unlink.
char temporary_name[4096];
volatile std::sig_atomic_t temporary_exists = 0;
constexpr int cleanup_signals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void remove_temporary_and_die(int signal) {
  if (temporary_exists) ::unlink(temporary_name);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// A signal that was ignored when the program started (nohup, a background
// job) stays ignored.
void install_cleanup_handlers() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  for (int signal : cleanup_signals) {
    struct sigaction action {};
    if (::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN) continue;
    action = {};
    action.sa_handler = remove_temporary_and_die;
    ::sigaction(signal, &action, nullptr);
  }
}

// Blocks the cleanup signals while the temporary file comes and goes, so
// that the handler never sees it half made or half gone.
struct signals_blocked {
  sigset_t previous{};
  signals_blocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : cleanup_signals) sigaddset(&set, signal);
    ::sigprocmask(SIG_BLOCK, &set, &previous);
  }
  ~signals_blocked() { ::sigprocmask(SIG_SETMASK, &previous, nullptr); }
};

run_failure write_failure(const std::string& name, int error) {
  std::string what = "cannot write " + name;
  if (error != 0) what += std::string(": ") + std::strerror(error);
  return {exit_status::write, what};
}

void write_to(std::ofstream& file, const std::string& name,
              const std::function<void(std::ostream&)>& write) {
  try {
    file.exceptions(std::ios::badbit);
    write(file);
    errno = 0;
    file.close();
    if (file.fail()) throw write_failure(name, errno);
  } catch (const std::ios_base::failure&) {
    throw write_failure(name, errno);
  }
}

// Symbolic links, devices and FIFOs are written where they are.
void write_in_place(const std::string& name, const std::function<void(std::ostream&)>& write) {
  std::ofstream file;
  errno = 0;
  file.open(name, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) throw open_failure(name, errno);
  write_to(file, name, write);
}

// A name in the directory of `name`, short enough for any directory.
std::string temporary_pattern(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) +
         ".hbpins-XXXXXX";
}

// False where the directory takes no new file.
bool create_temporary(const std::string& name) {
  const std::string pattern = temporary_pattern(name);
  if (pattern.size() >= sizeof temporary_name) return false;
  std::memcpy(temporary_name, pattern.c_str(), pattern.size() + 1);
  signals_blocked blocked;
  const int fd = ::mkstemp(temporary_name);
  if (fd < 0) return false;
  temporary_exists = 1;
  ::close(fd);
  return true;
}

// The mode of the file replaced, or what a plain create gives.
mode_t output_mode(const struct stat* existing) {
  if (existing != nullptr) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void remove_temporary() {
  signals_blocked blocked;
  ::unlink(temporary_name);
  temporary_exists = 0;
}

void replace_whole(const std::string& name, mode_t mode,
                   const std::function<void(std::ostream&)>& write) {
  std::ofstream file(temporary_name, std::ios::binary | std::ios::trunc);
  try {
    if (!file.is_open()) throw open_failure(name, errno);
    write_to(file, name, write);
    ::chmod(temporary_name, mode);
    signals_blocked blocked;
    if (::rename(temporary_name, name.c_str()) != 0) throw write_failure(name, errno);
    temporary_exists = 0;
  } catch (...) {
    remove_temporary();
    throw;
  }
}

}  // namespace

// A regular file is written to a temporary file beside it and renamed over
// it only once complete, so that a failure or an interrupt leaves the
// previous file as it was. A name that cannot be looked up goes the plain
// way, which reports the same error as before.
void write_output_file(const std::string& name, const std::function<void(std::ostream&)>& write) {
  struct stat info {};
  const bool exists = ::lstat(name.c_str(), &info) == 0;
  if (exists ? !S_ISREG(info.st_mode) : errno != ENOENT) return write_in_place(name, write);
  if (exists) {
    // Whoever may not write the file may not replace it either.
    const int fd = ::open(name.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) throw open_failure(name, errno);
    ::close(fd);
  }
  install_cleanup_handlers();
  if (!create_temporary(name)) return write_in_place(name, write);
  replace_whole(name, output_mode(exists ? &info : nullptr), write);
}

}  // namespace hbpins
