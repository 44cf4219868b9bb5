#pragma once

#include <signal.h>

namespace hbpins {

// Sets handler, once per process, for every signal whose default action
// ends the process and whose disposition is still the default: a signal
// ignored at start (nohup, a background job) stays ignored, and a handler
// installed by someone else stays. The handler runs with all of these
// signals blocked and the disposition reset to the default. Called while
// fatal_signals_blocked holds them off.
void catch_fatal_signals(void (*handler)(int));

// Holds off the signals of catch_fatal_signals for its lifetime, so that a
// handler never sees a half-made change.
class fatal_signals_blocked {
 public:
  fatal_signals_blocked();
  ~fatal_signals_blocked();
  fatal_signals_blocked(const fatal_signals_blocked&) = delete;
  fatal_signals_blocked& operator=(const fatal_signals_blocked&) = delete;

 private:
  sigset_t previous_{};
};

}  // namespace hbpins
