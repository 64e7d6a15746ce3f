// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calls that other threads hand to the thread that made the mailbox, run there by its Qt
// event loop one by one in the order posted: a Mailbox of calls (worker/Mailbox.h) whose
// descriptor a socket notifier watches, so that what a call carries is handed over under the
// mailbox's lock, not through Qt's uninstrumented queue.

#include "worker/Mailbox.h"

#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace tessaro::worker {

class CallerMailbox {
  public:
    // On the thread the calls are for, which runs a Qt event loop.
    CallerMailbox();
    CallerMailbox(const CallerMailbox&) = delete;
    CallerMailbox& operator=(const CallerMailbox&) = delete;
    // The calls not run yet are dropped.
    ~CallerMailbox();

    // Any thread.
    void post(std::function<void()> call) { calls_.post(std::move(call)); }

  private:
    // Runs the calls waiting, one at a time: a call that runs an event loop of its own (a
    // message box) lets the later ones run in order meanwhile.
    void deliver();

    Mailbox<std::function<void()>> calls_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tessaro::worker
