// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calls that other threads hand to the thread that made the mailbox, run there by its event
// loop one by one in the order posted. A call is queued under a mutex and the thread woken
// through an event descriptor its event loop watches, so what a call carries is handed over
// under that lock (which ThreadSanitizer sees), not through Qt's uninstrumented queue.

#include "workspace/UniqueFd.h"

#include <QSocketNotifier>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

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
    void post(std::function<void()> call);

  private:
    // Runs the calls waiting, one at a time: a call that runs an event loop of its own (a
    // message box) lets the later ones run in order meanwhile.
    void deliver();

    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
    workspace::UniqueFd wake_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tessaro::worker
