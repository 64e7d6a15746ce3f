// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worker of one printer: a thread that makes the printer's link and keeps it, and runs
// the operations it is given one at a time. The caller's thread keeps handling its events
// while an operation runs (a window repaints, its Stop button is seen); the operation's
// messages and questions are asked there and the worker waits for the answer; its result
// comes back as a value. Work and results are handed over under a mutex each way.

#include "link/Cancellation.h"
#include "worker/CallerMailbox.h"
#include "worker/CallerQuestions.h"
#include "worker/WorkerLink.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tessaro::worker {

class PrinterWorker {
  public:
    // prepare, when given, runs on the worker once the link is made (a test puts its own
    // name resolver there).
    using Prepare = std::function<void(WorkerLink&)>;
    // The link is made on the worker's thread from the ports and the virtual printer an LPT
    // set to "virtual" stands for; callerFeedback lives on the caller's thread, which runs a
    // Qt event loop.
    PrinterWorker(link::PortMap ports, link::PrinterLink::VirtualLpt virtualLpt,
                  protocol::UserFeedback& callerFeedback, Prepare prepare = {});
    PrinterWorker(const PrinterWorker&) = delete;
    PrinterWorker& operator=(const PrinterWorker&) = delete;
    // Stops the operation under way, lets it end, lets go of the link and ends the thread.
    ~PrinterWorker();

    // Runs operation on the worker and returns what it returned, or throws what it threw.
    // Meanwhile the caller's thread handles its events.
    template <typename Result> Result run(std::function<Result(WorkerLink&)> operation) {
        std::optional<Result> result;
        runOnWorker([&](WorkerLink& link) { result.emplace(operation(link)); });
        return std::move(*result);
    }
    void run(const std::function<void(WorkerLink&)>& operation) { runOnWorker(operation); }

    // Reads something of the link that takes no printer exchange (the ports there are), with
    // the caller's thread waiting for it. Only while no operation runs: the worker is idle.
    template <typename Result> Result look(std::function<Result(WorkerLink&)> reading) {
        std::optional<Result> result;
        waitOnWorker([&](WorkerLink& link) { result.emplace(reading(link)); });
        return std::move(*result);
    }

    // Ends the operation under way as soon as it can: its waits end at once, a connection
    // under way is given up. Any thread.
    void stop();
    bool running() const { return running_; }

  private:
    void runOnWorker(const std::function<void(WorkerLink&)>& operation);
    void waitOnWorker(const std::function<void(WorkerLink&)>& reading);
    // Hands a job to the worker's thread.
    void enqueue(std::function<void()> job);
    // The worker's thread: the jobs in order, until told to end.
    void work();

    CallerMailbox caller_;
    CallerQuestions questions_;
    std::mutex jobsMutex_;
    std::condition_variable jobsReady_;
    std::deque<std::function<void()>> jobs_;
    bool ending_ = false;
    std::unique_ptr<WorkerLink> link_; // made, used and let go on the worker's thread
    std::thread thread_;               // joined: its end happens before the worker's memory goes
    std::mutex mutex_;
    std::shared_ptr<link::Cancellation> current_; // the operation under way
    bool running_ = false;
};

} // namespace tessaro::worker
