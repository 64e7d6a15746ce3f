// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A provisioning station: one worker thread per port, all at once, in this process
// (cli/StationWorker.h). Each worker owns its link and clock, so a port that hangs delays no
// other. A unit detects the printer, checks its status, sends the profile, reads the saving
// reply and appends the audit record, as "tessaro-cli send" does. With repeat, a worker then
// asks the status until the printer leaves and the next one answers, and starts again. The
// workers post what happens as values; this thread alone shows it, keeps the tallies and
// prints the records. An interruption lets the units under way finish; a second one stops
// them at their next step.

#include "cli/PortFinder.h"
#include "cli/PrinterCommand.h"
#include "cli/StationDisplay.h"
#include "cli/StationMailbox.h"
#include "cli/StationWorker.h"
#include "link/Cancellation.h"

#include <QJsonObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessaro::cli {

class InterruptWatch;

struct StationPlan {
    std::vector<std::string> ports;
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
    std::string port;
    int done = 0;
    int failed = 0;
    std::int64_t totalMs = 0; // of the units done
};

class Station {
  public:
    Station(StationPlan plan, StationDisplay& display);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;
    // Stops the workers still running and waits for them.
    ~Station();

    // Runs until every worker is through (or, with repeat, interrupted), taking the
    // interruptions from the watch, which must be made before; returns the highest exit
    // status of the units (0 when all were done). Every worker has ended when it returns.
    int run(InterruptWatch& interrupts);
    // First time: no unit starts any more, the units under way finish. Second time: the
    // units under way are stopped too.
    void interrupt();

    const std::vector<PortTally>& tallies() const { return tallies_; }
    // "COM1: 3 done, 0 failed, mean 1.21 s"
    static std::string summaryLine(const PortTally& tally);

  private:
    void startWorkers();
    void waitForMail(const InterruptWatch* interrupts);
    void handle(PortStateChanged& event);
    void handle(PortDiagnostic& event);
    void handle(UnitEnded& event);
    void record(std::size_t port, const UnitResult& result);
    void show(std::size_t port, PortState state);
    void workerFinished(std::size_t port);

    StationPlan plan_;
    StationDisplay& display_;
    std::vector<PortTally> tallies_;
    // Raised by the first and the second interruption; the workers only read them.
    link::Cancellation finishing_;
    link::Cancellation stopping_;
    PortFinder ports_;
    StationMailbox mailbox_;
    std::vector<std::unique_ptr<StationWorker>> workers_; // after what they use
    std::size_t running_ = 0;
    int interrupts_ = 0;
    int worstExit_ = 0;
};

} // namespace tessaro::cli
