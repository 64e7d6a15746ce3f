// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PrinterWorker.h"

#include <QEventLoop>

namespace tessaro::worker {

PrinterWorker::PrinterWorker(link::PortMap ports, link::PrinterLink::VirtualLpt virtualLpt,
                             protocol::UserFeedback& callerFeedback, Prepare prepare)
    : questions_(caller_) {
    enqueue([this, ports = std::move(ports), virtualLpt = std::move(virtualLpt), &callerFeedback,
             prepare = std::move(prepare)]() mutable {
        link_ = std::make_unique<WorkerLink>(std::move(ports), virtualLpt, caller_, callerFeedback,
                                             questions_);
        if (prepare) {
            prepare(*link_);
        }
    });
    thread_ = std::thread([this] { work(); });
}

PrinterWorker::~PrinterWorker() {
    stop();
    questions_.giveUp();
    enqueue([this] { link_.reset(); });
    {
        const std::lock_guard lock(jobsMutex_);
        ending_ = true;
    }
    jobsReady_.notify_all();
    thread_.join();
}

void PrinterWorker::enqueue(std::function<void()> job) {
    {
        const std::lock_guard lock(jobsMutex_);
        jobs_.push_back(std::move(job));
    }
    jobsReady_.notify_all();
}

void PrinterWorker::work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(jobsMutex_);
            jobsReady_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
            if (jobs_.empty()) {
                return; // ending, and nothing left to do
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

void PrinterWorker::stop() {
    const std::lock_guard lock(mutex_);
    if (current_) {
        current_->cancel();
    }
}

void PrinterWorker::runOnWorker(const std::function<void(WorkerLink&)>& operation) {
    auto stop = std::make_shared<link::Cancellation>();
    {
        const std::lock_guard lock(mutex_);
        current_ = stop;
    }
    running_ = true;
    bool done = false;
    std::exception_ptr failure;
    QEventLoop loop;
    enqueue([this, &operation, stop, &done, &failure, &loop] {
        link_->setCancellation(stop.get());
        try {
            operation(*link_);
        } catch (...) {
            failure = std::current_exception();
        }
        link_->setCancellation(nullptr);
        caller_.post([&done, &loop] {
            done = true;
            loop.quit();
        });
    });
    // A loop left early (the program quitting) is entered again: the operation is bounded,
    // and what it refers to lives on this stack until it is over.
    while (!done) {
        loop.exec();
    }
    running_ = false;
    {
        const std::lock_guard lock(mutex_);
        current_.reset();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void PrinterWorker::waitOnWorker(const std::function<void(WorkerLink&)>& reading) {
    std::mutex mutex;
    std::condition_variable read;
    bool done = false;
    std::exception_ptr failure;
    enqueue([this, &reading, &mutex, &read, &done, &failure] {
        try {
            reading(*link_);
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        done = true;
        read.notify_all();
    });
    std::unique_lock lock(mutex);
    read.wait(lock, [&] { return done; });
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace tessaro::worker
