#include "driver/files/temporary_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>

#include "driver/files/fatal_signals.h"

namespace hbpins {

namespace {

// For the signal handler, which only reads memory and calls unlink: the
// name in a fixed buffer, and whether it names a file of ours.
char temporary_name[4096];
volatile std::sig_atomic_t temporary_exists = 0;

// Runs with the disposition back at the default, so the signal raised again
// ends the process as it would have without hbpins.
extern "C" void remove_temporary_and_end(int signal) {
  if (temporary_exists) ::unlink(temporary_name);
  ::raise(signal);
}

}  // namespace

int create_temporary(const std::string& directory) {
  constexpr std::string_view pattern = ".hbpins-XXXXXX";
  if (directory.size() + pattern.size() >= sizeof temporary_name) return -1;
  std::memcpy(temporary_name, directory.data(), directory.size());
  std::memcpy(temporary_name + directory.size(), pattern.data(), pattern.size());
  temporary_name[directory.size() + pattern.size()] = '\0';
  fatal_signals_blocked blocked;
  catch_fatal_signals(remove_temporary_and_end);
  const int descriptor = ::mkstemp(temporary_name);
  temporary_exists = descriptor >= 0;
  return descriptor;
}

int rename_temporary(const std::string& target) {
  fatal_signals_blocked blocked;
  if (::rename(temporary_name, target.c_str()) != 0) return errno;
  temporary_exists = 0;
  return 0;
}

void remove_temporary() {
  fatal_signals_blocked blocked;
  ::unlink(temporary_name);
  temporary_exists = 0;
}

}  // namespace hbpins
