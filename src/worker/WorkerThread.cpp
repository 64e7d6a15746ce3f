// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/WorkerThread.h"

namespace tessaro::worker {

WorkerThread::WorkerThread() : thread_([this] { work(); }) {}

WorkerThread::~WorkerThread() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    ready_.notify_all();
    thread_.join();
}

void WorkerThread::enqueue(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    ready_.notify_all();
}

void WorkerThread::work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return; // ending, and nothing left to do
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

} // namespace tessaro::worker
