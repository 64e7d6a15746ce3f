// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A provisioning station: one worker per port, all at once. A unit is "tessaro-cli send" run
// as a child process of its own (its own link, clock and waits; a port that hangs delays
// no other), which detects the printer, checks its status, sends the profile, reads the
// saving reply and appends the audit record. With repeat, a worker then asks the status
// until the printer leaves and the next one answers, and starts again. An interruption lets
// the units under way finish; children run in their own process group, so the terminal's
// Ctrl-C reaches only the station.

#include "cli/StationDisplay.h"

#include <QEventLoop>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessaro::cli {

struct StationPlan {
    std::string program; // this tessaro-cli
    std::vector<std::string> ports;
    // What each unit runs, less its port: {"send", FILE, "--yes", "--json", ...}.
    std::vector<std::string> unitArguments;
    // What asks a port's status, less the port: {"status", "--json", ...}.
    std::vector<std::string> statusArguments;
    bool repeat = false;
    bool json = false; // each unit's record printed as a line on stdout
    // Keeps the record the station made for a unit that ended without its own (it was
    // stopped, or crashed): the audit log must have one per unit.
    std::function<void(const QJsonObject&)> keepLostRecord;
    int pollIntervalMs = 500;
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
    ~Station();

    // Runs until every worker is through (or, with repeat, interrupted); returns the highest
    // exit status of the units (0 when all were done).
    int run();
    // First time: no unit starts any more, the units under way finish. Second time: the
    // units under way are stopped too.
    void interrupt();

    const std::vector<PortTally>& tallies() const { return tallies_; }
    // "COM1: 3 done, 0 failed, mean 1.21 s"
    static std::string summaryLine(const PortTally& tally);

  private:
    enum class State { WaitingForPrinter, Provisioning, WaitingForLeave, Through };
    struct Worker {
        std::size_t index = 0;
        State state = State::WaitingForPrinter;
        std::unique_ptr<QProcess> process;
        QTimer poll;
    };

    void startUnit(Worker& worker);
    void unitFinished(Worker& worker, int exitCode, QProcess::ExitStatus status);
    void record(Worker& worker, const QJsonObject& unit, int exitCode);
    void askStatus(Worker& worker);
    void statusAnswered(Worker& worker, int exitCode);
    void wait(Worker& worker, State state);
    void through(Worker& worker);
    QProcess& startChild(Worker& worker, std::vector<std::string> arguments);
    void forwardDiagnostics(Worker& worker);
    void show(Worker& worker, const std::string& state);
    bool allThrough() const;

    StationPlan plan_;
    StationDisplay& display_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<PortTally> tallies_;
    int interrupts_ = 0;
    int worstExit_ = 0;
    std::unique_ptr<QEventLoop> loop_;
};

} // namespace tessaro::cli
