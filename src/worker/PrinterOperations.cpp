// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PrinterOperations.h"

namespace tessaro::worker {

PrinterOperations::PrinterOperations(link::PortMap ports, link::PrinterLink::VirtualLpt virtualLpt,
                                     protocol::UserFeedback& callerFeedback, Prepare prepare)
    : questions_(caller_) {
    worker_.start([this, ports = std::move(ports), virtualLpt = std::move(virtualLpt),
                   &callerFeedback,
                   prepare = std::move(prepare)](const link::Cancellation&) mutable {
        link_ = std::make_unique<WorkerLink>(std::move(ports), virtualLpt, caller_, callerFeedback,
                                             questions_);
        if (prepare) {
            prepare(*link_);
        }
    });
}

PrinterOperations::~PrinterOperations() {
    stop();
    questions_.giveUp();
    worker_.start([this](const link::Cancellation&) { link_.reset(); });
    // worker_, the last member, is destroyed first: it runs what is started and ends.
}

void PrinterOperations::stop() {
    worker_.stop();
}

void PrinterOperations::startJob(std::function<void(WorkerLink&)> work,
                                 std::function<void(const std::string* what)> over) {
    worker_.start([this, work = std::move(work),
                   over = std::move(over)](const link::Cancellation& stop) mutable {
        link_->setCancellation(&stop);
        std::optional<std::string> failure;
        try {
            work(*link_);
        } catch (const std::exception& error) {
            failure = error.what();
        } catch (...) {
            failure = "unknown error";
        }
        link_->setCancellation(nullptr);
        caller_.post([over = std::move(over), failure = std::move(failure)] {
            over(failure ? &*failure : nullptr);
        });
    });
}

} // namespace tessaro::worker
