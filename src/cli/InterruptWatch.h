// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl-C and SIGTERM as events rather than an end of the program: while a watch lives, the
// two signals are blocked and read from a signalfd, so a station finishes the units under
// way and then stops. Threads started while it lives inherit the blocking: it must exist
// before them. It is made once, by a command that ends the program when it has finished,
// and the signals stay blocked after it: a Ctrl-C that comes as the program ends (the second
// of two pressed as the last unit finished) must not turn a finished run, its summary
// printed, into one killed by the signal.

#include "workspace/UniqueFd.h"

#include <csignal>

namespace tessaro::cli {

class InterruptWatch {
  public:
    InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;
    ~InterruptWatch() = default;

    // Readable once a signal has come, for poll(2); -1 when the signals cannot be watched
    // (they then end the program as usual).
    int fd() const { return fd_.get(); }
    // How many signals came since the last call; does not wait.
    int take();

  private:
    workspace::UniqueFd fd_;
};

} // namespace tessaro::cli
