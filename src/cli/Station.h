// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A provisioning station: one worker thread per port, all at once, in this process
// (station/PortService.h). Each worker owns its link and clock, so a port that hangs delays no
// other. A unit detects the printer, checks its status, sends the profile, reads the saving
// reply and appends the audit record, as "tessaro-cli send" does. With repeat, a worker then
// asks the status until the printer leaves and the next one answers, and starts again. The
// workers post what happens as values; this thread alone shows it and prints the records
// (station/StationRun.h keeps the tallies). An interruption lets the units under way finish; a
// second one stops them at their next step.

#include "cli/StationDisplay.h"
#include "station/StationRun.h"

#include <string>
#include <vector>

namespace tessaro::cli {

class InterruptWatch;

class Station final : private station::StationObserver {
  public:
    Station(station::StationPlan plan, StationDisplay& display);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Runs until every worker is through (or, with repeat, interrupted), taking the
    // interruptions from the watch, which must be made before; returns the highest exit
    // status of the units (0 when all were done). Every worker has ended when it returns.
    int run(InterruptWatch& interrupts);
    // First time: no unit starts any more, the units under way finish. Second time: the
    // units under way are stopped too.
    void interrupt();

    const std::vector<station::PortTally>& tallies() const { return run_.tallies(); }
    // "COM1: 3 done, 0 failed, mean 1.21 s"
    static std::string summaryLine(const station::PortTally& tally);

  private:
    void waitForMail(const InterruptWatch& interrupts);
    void stateChanged(std::size_t port, station::PortState state) override;
    void diagnostic(std::size_t port, const message::Message& said) override;
    void unitEnded(std::size_t port, const QJsonObject& record, int exitCode,
                   const message::Message& said) override;
    void cannotServe(std::size_t port, const std::string& why) override;
    // The port's name as its lines begin with it, on one line.
    std::string shownPort(std::size_t port) const;

    StationDisplay& display_;
    station::StationRun run_;
};

} // namespace tessaro::cli
