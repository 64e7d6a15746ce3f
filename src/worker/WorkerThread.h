// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thread of its own that runs the jobs it is handed, one at a time in the order handed,
// until it is destroyed: the jobs handed before then still run, and the destructor waits for
// the thread. The printer's worker of the window and each port of a station run on one.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tessaro::worker {

class WorkerThread {
  public:
    // Starts the thread; std::system_error when there can be none.
    WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;
    // Runs the jobs handed so far, then ends the thread and waits for it.
    ~WorkerThread();

    // Any thread.
    void enqueue(std::function<void()> job);

  private:
    // The thread: the jobs in order, until told to end.
    void work();

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::thread thread_; // last: started once what it uses is there
};

} // namespace tessaro::worker
