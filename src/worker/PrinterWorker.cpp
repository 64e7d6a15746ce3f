// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PrinterWorker.h"

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
}

PrinterWorker::~PrinterWorker() {
    stop();
    questions_.giveUp();
    enqueue([this] { link_.reset(); });
    // thread_, the last member, is destroyed first: it runs what is queued and ends.
}

void PrinterWorker::enqueue(std::function<void()> job) {
    thread_.enqueue(std::move(job));
}

void PrinterWorker::stop() {
    const std::lock_guard lock(mutex_);
    if (current_) {
        current_->cancel();
    }
}

void PrinterWorker::startJob(std::function<void(WorkerLink&)> work,
                             std::function<void(const std::string* what)> over) {
    auto stop = std::make_shared<link::Cancellation>();
    {
        const std::lock_guard lock(mutex_);
        current_ = stop;
    }
    enqueue([this, work = std::move(work), over = std::move(over), stop]() mutable {
        link_->setCancellation(stop.get());
        std::optional<std::string> failure;
        try {
            work(*link_);
        } catch (const std::exception& error) {
            failure = error.what();
        } catch (...) {
            failure = "unknown error";
        }
        link_->setCancellation(nullptr);
        {
            const std::lock_guard lock(mutex_);
            if (current_ == stop) {
                current_.reset();
            }
        }
        caller_.post([over = std::move(over), failure = std::move(failure)] {
            over(failure ? &*failure : nullptr);
        });
    });
}

} // namespace tessaro::worker
