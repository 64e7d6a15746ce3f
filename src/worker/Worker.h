// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thread of its own that runs the operations it is started with, one at a time in the order
// started, until it is destroyed: the operations started before then still run, and the
// destructor waits for the thread. Each operation is given a cancellation of its own, which
// stop() raises: its waits end at once and it ends at its next step. The window's printer and
// each port of a station run on one. Ctrl-C and SIGTERM are never taken on a worker: they are
// the thread's that started it.

#include "link/Cancellation.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace tessaro::worker {

class Worker {
  public:
    // What runs on the worker, told through stop when it should end.
    using Operation = std::function<void(const link::Cancellation& stop)>;

    // Starts the thread; std::system_error when there can be none.
    Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    // Runs the operations started so far, then ends the thread and waits for it.
    ~Worker();

    // Any thread.
    void start(Operation operation);
    // Every operation started and not yet over ends as soon as it can. Any thread.
    void stop();

  private:
    struct Started {
        std::shared_ptr<link::Cancellation> stop;
        Operation operation;
    };

    // The thread: the operations in order, until told to end.
    void work();

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Started> started_;
    std::shared_ptr<link::Cancellation> running_; // the operation under way's
    bool ending_ = false;
    std::thread thread_; // last: started once what it uses is there
};

} // namespace tessaro::worker
