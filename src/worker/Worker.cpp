// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/Worker.h"

#include <csignal>
#include <pthread.h>

namespace tessaro::worker {

Worker::Worker()
    : thread_([this] {
          sigset_t interruptions;
          sigemptyset(&interruptions);
          sigaddset(&interruptions, SIGINT);
          sigaddset(&interruptions, SIGTERM);
          pthread_sigmask(SIG_BLOCK, &interruptions, nullptr);
          work();
      }) {}

Worker::~Worker() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    ready_.notify_all();
    thread_.join();
}

void Worker::start(Operation operation) {
    auto stop = std::make_shared<link::Cancellation>();
    {
        const std::lock_guard lock(mutex_);
        started_.push_back({std::move(stop), std::move(operation)});
    }
    ready_.notify_all();
}

void Worker::stop() {
    const std::lock_guard lock(mutex_);
    if (running_) {
        running_->cancel();
    }
    for (const Started& waiting : started_) {
        waiting.stop->cancel();
    }
}

void Worker::work() {
    for (;;) {
        Started next;
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return ending_ || !started_.empty(); });
            if (started_.empty()) {
                return; // ending, and nothing left to do
            }
            next = std::move(started_.front());
            started_.pop_front();
            running_ = next.stop;
        }
        next.operation(*next.stop);
        const std::lock_guard lock(mutex_);
        running_.reset();
    }
}

} // namespace tessaro::worker
