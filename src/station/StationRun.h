// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every provisioning station keeps, whoever shows it: one worker per port serving it
// (station/PortService.h), the cancellation that finishes them, the mailbox they post to,
// the tallies of the units and the records of units that ended without their own. The
// command line waits on fd() with poll(2); the window watches it with a notifier. Either
// hands the mail to deliver(), on its one thread, which tells an observer.

#include "link/Cancellation.h"
#include "station/PortFinder.h"
#include "station/PortService.h"
#include "station/PrinterOptions.h"
#include "station/StationMailbox.h"
#include "worker/Worker.h"

#include <QJsonObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::station {

struct StationPlan {
    std::vector<link::PortRef> ports;
    // What each unit does, less its port: the profile, --all, --log, the link's speed and
    // handshake; as "send FILE --yes --json" (the record is the station's to print).
    PrinterOptions unit;
    bool repeat = false;
    bool json = false; // each unit's record printed as a line on stdout
    // Keeps the record the station made for a unit that ended without its own (it failed in
    // a way it could not record): the audit log must have one per unit.
    std::function<void(const QJsonObject&)> keepLostRecord;
    std::chrono::milliseconds pollInterval{500};
};

struct PortTally {
    link::PortRef port;
    int done = 0;
    int failed = 0;
    std::int64_t totalMs = 0; // of the units done
};

// "3 done, 0 failed, mean 1.21 s"
std::string tallyText(const PortTally& tally);
// "1.21 s"
std::string secondsText(std::int64_t ms);
// Each line of text as a station shows it, after the port it is about: "COM1: ...". A line
// that names the port first already, as the link's messages do ("/dev/ttyUSB0: no such
// device", "COM1 (/dev/ttyS0): in use by ..."), is left as it is rather than name it twice.
// Lines end with "\n", the last with none.
std::string portLines(std::string_view port, std::string_view text);

// What a station shows of what its workers say; on the thread that delivers.
class StationObserver {
  public:
    virtual ~StationObserver() = default;
    virtual void stateChanged(std::size_t port, PortState state) = 0;
    virtual void diagnostic(std::size_t port, const message::Message& said) = 0;
    // The unit's record, its exit status (station/Outcome.h), once its tally counts it, and the
    // message its record says in English.
    virtual void unitEnded(std::size_t port, const QJsonObject& record, int exitCode,
                           const message::Message& said) = 0;
    // A unit's step (the command line shows only the port's state).
    virtual void unitStep(std::size_t port, UnitStepKind kind, const message::Message& text) {
        (void)port, (void)kind, (void)text;
    }
    // The port has no worker: it could not be given a thread.
    virtual void cannotServe(std::size_t port, const std::string& why) = 0;
};

class StationRun {
  public:
    explicit StationRun(StationPlan plan);
    StationRun(const StationRun&) = delete;
    StationRun& operator=(const StationRun&) = delete;
    // Stops the workers still running and waits for them, keeping the records of units
    // that ended without their own.
    ~StationRun();

    // Starts a worker per port.
    void start(StationObserver& observer);
    // Readable while mail waits.
    int fd() const { return mailbox_.fd(); }
    // Hands the mail waiting to the observer; does not wait.
    void deliver(StationObserver& observer);
    // Workers not yet through.
    std::size_t running() const { return running_; }
    // First time: no unit starts any more, the units under way finish. Second time: the
    // units under way are stopped too. Returns how many times it was interrupted.
    int interrupt();

    const StationPlan& plan() const { return plan_; }
    const std::vector<PortTally>& tallies() const { return tallies_; }
    // The highest exit status of the units (0 when all were done).
    int worstExit() const { return worstExit_; }

  private:
    void unitEnded(StationObserver& observer, UnitEnded& event);
    // The unit under way on every port ends at its next step.
    void stopWorkers();

    StationPlan plan_;
    std::vector<PortTally> tallies_;
    // Raised by the first interruption; the workers only read it. The second stops them.
    link::Cancellation finishing_;
    PortFinder ports_;
    StationMailbox mailbox_;
    std::vector<std::unique_ptr<worker::Worker>> workers_; // after what they use
    std::size_t running_ = 0;
    int interrupts_ = 0;
    int worstExit_ = 0;
};

} // namespace tessaro::station
