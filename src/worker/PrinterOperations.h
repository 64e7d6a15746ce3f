// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The operations of the window's printer: its link is made and kept on a worker
// (worker/Worker.h), which runs them one at a time. Starting an operation returns at once: the
// caller's thread goes on handling its events (a window repaints, its Stop button is seen);
// the operation's messages and questions are asked there and the worker waits for the answer;
// its result comes back there as a value once it is over, after everything it showed. Work
// and results are handed over under a mutex each way.

#include "worker/CallerMailbox.h"
#include "worker/CallerQuestions.h"
#include "worker/Worker.h"
#include "worker/WorkerLink.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tessaro::worker {

class PrinterOperations {
  public:
    // prepare, when given, runs on the worker once the link is made (a test puts its own
    // name resolver there).
    using Prepare = std::function<void(WorkerLink&)>;
    // The link is made on the worker's thread from the ports and the virtual printer an LPT
    // set to "virtual" stands for; callerFeedback lives on the caller's thread, which runs a
    // Qt event loop.
    PrinterOperations(link::PortMap ports, link::PrinterLink::VirtualLpt virtualLpt,
                      protocol::UserFeedback& callerFeedback, Prepare prepare = {});
    PrinterOperations(const PrinterOperations&) = delete;
    PrinterOperations& operator=(const PrinterOperations&) = delete;
    // Stops the operation under way, lets it end, lets go of the link and ends the thread.
    ~PrinterOperations();

    // Why an operation failed: what it threw.
    using Failed = std::function<void(const std::string& what)>;

    // Starts operation on the worker and returns at once. Once it is over, finished is called
    // on the caller's thread with what it returned, or failed with what it threw. Operations
    // run in the order started; one that is stopped ends at its next wait.
    template <typename Result>
    void start(std::function<Result(WorkerLink&)> operation, std::function<void(Result)> finished,
               Failed failed) {
        auto result = std::make_shared<std::optional<Result>>();
        startJob([operation = std::move(operation),
                  result](WorkerLink& link) { result->emplace(operation(link)); },
                 [finished = std::move(finished), failed = std::move(failed),
                  result](const std::string* what) {
                     if (what != nullptr) {
                         failed(*what);
                     } else {
                         finished(std::move(**result));
                     }
                 });
    }
    void start(std::function<void(WorkerLink&)> operation, std::function<void()> finished,
               Failed failed) {
        startJob(std::move(operation),
                 [finished = std::move(finished), failed = std::move(failed)](
                     const std::string* what) { what != nullptr ? failed(*what) : finished(); });
    }

    // Ends the operation under way as soon as it can: its waits end at once, a connection
    // under way is given up. Any thread.
    void stop();

  private:
    // Runs work on the worker; over is called on the caller's thread with what it threw
    // (nullptr when it threw nothing).
    void startJob(std::function<void(WorkerLink&)> work,
                  std::function<void(const std::string* what)> over);

    CallerMailbox caller_;
    CallerQuestions questions_;
    std::unique_ptr<WorkerLink> link_; // made, used and let go on the worker's thread
    Worker worker_; // last: made after, and joined before, what its operations use
};

} // namespace tessaro::worker
