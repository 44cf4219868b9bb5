#include "driver/files/fatal_signals.h"

namespace hbpins {

namespace {

// The signals whose default action ends the process, besides the real-time
// signals.
constexpr int fatal_signals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP,   SIGABRT, SIGBUS,  SIGFPE,
    SIGSEGV,   SIGPIPE, SIGALRM, SIGTERM, SIGUSR1,   SIGUSR2, SIGXCPU, SIGXFSZ,
    SIGVTALRM, SIGPROF, SIGIO,   SIGSYS,  SIGSTKFLT, SIGPWR,
};

sigset_t fatal_signal_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal : fatal_signals) sigaddset(&set, signal);
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) sigaddset(&set, signal);
  return set;
}

bool is_default(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

// One call per signal where the disposition is the default, two where it
// is not. Blocked meanwhile, a signal that arrives between the two calls is
// dropped if it was ignored, and goes to its own handler if it had one.
void catch_where_default(int signal, const struct sigaction& action) {
  struct sigaction previous {};
  if (::sigaction(signal, &action, &previous) == 0 && !is_default(previous))
    ::sigaction(signal, &previous, nullptr);
}

}  // namespace

void catch_fatal_signals(void (*handler)(int)) {
  static bool caught = false;
  if (caught) return;
  caught = true;
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_mask = fatal_signal_set();
  action.sa_flags = SA_RESETHAND;
  for (int signal : fatal_signals) catch_where_default(signal, action);
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) catch_where_default(signal, action);
}

fatal_signals_blocked::fatal_signals_blocked() {
  const sigset_t set = fatal_signal_set();
  ::sigprocmask(SIG_BLOCK, &set, &previous_);
}

fatal_signals_blocked::~fatal_signals_blocked() {
  ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace hbpins
