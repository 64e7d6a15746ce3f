// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/PrinterWorker.h"

#include <QEventLoop>
#include <QMetaObject>

namespace tessaro::worker {

PrinterWorker::PrinterWorker(link::PortMap ports, link::PrinterLink::VirtualLpt virtualLpt,
                             protocol::UserFeedback& callerFeedback, Prepare prepare)
    : caller_(std::make_unique<QObject>()), questions_(*caller_),
      inThread_(std::make_unique<QObject>()) {
    thread_.setObjectName("PrinterWorker");
    inThread_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        inThread_.get(),
        [this, ports = std::move(ports), virtualLpt = std::move(virtualLpt), &callerFeedback,
         prepare = std::move(prepare)]() mutable {
            link_ = std::make_unique<WorkerLink>(std::move(ports), virtualLpt, *caller_,
                                                 callerFeedback, questions_);
            if (prepare) {
                prepare(*link_);
            }
        },
        Qt::QueuedConnection);
}

PrinterWorker::~PrinterWorker() {
    stop();
    questions_.giveUp();
    QMetaObject::invokeMethod(
        inThread_.get(), [this] { link_.reset(); }, Qt::QueuedConnection);
    thread_.quit();
    thread_.wait();
    inThread_.reset();
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
    QMetaObject::invokeMethod(
        inThread_.get(),
        [this, &operation, stop, &done, &failure, &loop] {
            link_->setCancellation(stop.get());
            try {
                operation(*link_);
            } catch (...) {
                failure = std::current_exception();
            }
            link_->setCancellation(nullptr);
            QMetaObject::invokeMethod(
                caller_.get(),
                [&done, &loop] {
                    done = true;
                    loop.quit();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
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

} // namespace tessaro::worker
