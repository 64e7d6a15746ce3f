// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl-C and SIGTERM as events of the event loop rather than an end of the program: while
// a watch lives, the two signals are blocked and read from a signalfd, so a station
// finishes the unit under way and then stops. Children started meanwhile get them
// unblocked again (unblockInChild, for QProcess's child process modifier).

#include "workspace/UniqueFd.h"

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace tessaro::cli {

class InterruptWatch {
  public:
    // onSignal runs in the event loop, once per signal that arrives.
    explicit InterruptWatch(std::function<void()> onSignal);
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;
    ~InterruptWatch();

    // Async-signal-safe: for the child between fork and exec.
    static void unblockInChild();

  private:
    sigset_t previous_{};
    workspace::UniqueFd fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tessaro::cli
