// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Station.h"

#include "cli/InterruptWatch.h"
#include "cli/JsonOutput.h"
#include "cli/Outcome.h"
#include "cli/UnitReport.h"

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <poll.h>
#include <system_error>

namespace tessaro::cli {
namespace {

std::string seconds(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(ms) / 1000.0);
    return text;
}

std::string tallyText(const PortTally& tally) {
    return std::to_string(tally.done) + " done, " + std::to_string(tally.failed) + " failed" +
           (tally.done > 0 ? ", mean " + seconds(tally.totalMs / tally.done) : "");
}

std::string stateText(PortState state) {
    switch (state) {
    case PortState::WaitingForPrinter:
        return "waiting for a printer";
    case PortState::Provisioning:
        return "provisioning";
    case PortState::WaitingForLeave:
        return "waiting for the printer to leave";
    case PortState::WaitingForNextPrinter:
        return "waiting for the next printer";
    case PortState::Finished:
        break;
    }
    return "finished";
}

} // namespace

Station::Station(StationPlan plan, StationDisplay& display)
    : plan_(std::move(plan)), display_(display), mailbox_(plan_.ports.size()) {
    for (const std::string& port : plan_.ports) {
        tallies_.push_back({port, 0, 0, 0});
    }
}

// Left early (an exception on this thread): the workers are stopped, and the records of
// units that ended without their own are still kept.
Station::~Station() {
    finishing_.cancel();
    stopping_.cancel();
    while (running_ > 0) {
        waitForMail(nullptr);
        StationMail mail = mailbox_.take();
        for (StationEvent& event : mail.events) {
            if (auto* ended = std::get_if<UnitEnded>(&event);
                ended != nullptr && ended->lost && plan_.keepLostRecord) {
                try {
                    plan_.keepLostRecord(toJson(ended->result.report));
                } catch (...) { // leaving already: nothing more can be done for it
                }
            }
        }
        running_ -= std::min(running_, mail.finished.size());
    }
    workers_.clear(); // each has said it is through: the joins are at once
}

void Station::startWorkers() {
    for (std::size_t i = 0; i < plan_.ports.size(); ++i) {
        StationWorker::Plan worker{i, plan_.unit, plan_.repeat, plan_.pollInterval};
        worker.unit.port = plan_.ports[i];
        workers_.push_back(std::make_unique<StationWorker>(std::move(worker), finishing_, stopping_,
                                                           ports_, mailbox_));
        try {
            workers_.back()->start();
            ++running_;
        } catch (const std::system_error& error) {
            workers_.pop_back();
            worstExit_ = std::max(worstExit_, kExitPrinter);
            display_.diagnostic(tallies_[i].port + ": cannot serve the port: " + error.what());
            show(i, PortState::Finished);
        }
    }
}

int Station::run(InterruptWatch& interrupts) {
    startWorkers();
    while (running_ > 0) {
        waitForMail(&interrupts);
        for (int n = interrupts.take(); n > 0; --n) {
            interrupt();
        }
        StationMail mail = mailbox_.take();
        for (StationEvent& event : mail.events) {
            std::visit([this](auto& e) { handle(e); }, event);
        }
        for (const std::size_t port : mail.finished) {
            workerFinished(port);
        }
    }
    workers_.clear(); // each has said it is through: the joins are at once
    display_.finish();
    return worstExit_;
}

// Until there is mail or an interruption. Not bounded here: the workers' waits are, and
// with repeat the station waits for Ctrl-C by design.
void Station::waitForMail(const InterruptWatch* interrupts) {
    pollfd watched[2] = {{mailbox_.fd(), POLLIN, 0},
                         {interrupts != nullptr ? interrupts->fd() : -1, POLLIN, 0}};
    while (::poll(watched, 2, -1) < 0 && errno == EINTR) {
    }
}

void Station::interrupt() {
    ++interrupts_;
    if (interrupts_ == 1) {
        display_.diagnostic("Interrupted: the units under way finish, then the station stops "
                            "(Ctrl-C again stops them too)");
        finishing_.cancel();
    } else {
        stopping_.cancel();
    }
}

void Station::handle(PortStateChanged& event) {
    show(event.port, event.state);
}

void Station::handle(PortDiagnostic& event) {
    display_.diagnostic(tallies_[event.port].port + ": " + event.line);
}

void Station::handle(UnitEnded& event) {
    if (event.lost && plan_.keepLostRecord) {
        plan_.keepLostRecord(toJson(event.result.report));
    }
    record(event.port, event.result);
}

void Station::record(std::size_t port, const UnitResult& result) {
    PortTally& tally = tallies_[port];
    const QJsonObject unit = toJson(result.report);
    const int exitCode = exitStatus(result.outcome);
    worstExit_ = std::max(worstExit_, exitCode);
    const std::string message = unit.value("message").toString().toStdString();
    if (exitCode == kExitDone) {
        ++tally.done;
        tally.totalMs += unit.value("duration_ms").toInteger();
    } else {
        ++tally.failed;
    }
    if (plan_.json) {
        std::cout << jsonLine(unit) << std::endl;
        return;
    }
    const std::string identity = unit.value("identity").toString().toStdString();
    display_.result(
        tally.port + ": " +
        (exitCode == kExitDone
             ? (identity.empty() ? "" : identity + ": ") + message + " (" +
                   seconds(unit.value("duration_ms").toInteger()) + ")"
             : "failed (" + unit.value("result").toString().toStdString() + "): " + message));
}

void Station::workerFinished(std::size_t port) {
    --running_;
    show(port, PortState::Finished);
}

void Station::show(std::size_t port, PortState state) {
    display_.setState(port, stateText(state) + " (" + tallyText(tallies_[port]) + ")");
}

std::string Station::summaryLine(const PortTally& tally) {
    return tally.port + ": " + tallyText(tally);
}

} // namespace tessaro::cli
