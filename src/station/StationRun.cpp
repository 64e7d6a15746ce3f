// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/StationRun.h"

#include "station/Outcome.h"
#include "station/UnitReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <system_error>

namespace tessaro::station {

std::string secondsText(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", static_cast<double>(ms) / 1000.0);
    return text;
}

std::string portLines(std::string_view port, std::string_view text) {
    std::string lines;
    std::size_t start = 0;
    do {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const std::string_view after = line.substr(line.starts_with(port) ? port.size() : 0);
        const bool named =
            line.starts_with(port) && (after.starts_with(": ") || after.starts_with(" ("));
        lines += start == 0 ? "" : "\n";
        lines += named ? std::string(line) : std::string(port) + ": " + std::string(line);
        start = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    } while (start < text.size());
    return lines;
}

std::string tallyText(const PortTally& tally) {
    return std::to_string(tally.done) + " done, " + std::to_string(tally.failed) + " failed" +
           (tally.done > 0 ? ", mean " + secondsText(tally.totalMs / tally.done) : "");
}

StationRun::StationRun(StationPlan plan) : plan_(std::move(plan)), mailbox_(plan_.ports.size()) {
    for (const link::PortRef& port : plan_.ports) {
        tallies_.push_back({port, 0, 0, 0});
    }
}

// Left early (an exception, a window closed): the workers are stopped, and the records of
// units that ended without their own are still kept. The wait is bounded by the units'
// steps, each of which ends at once once stopping is raised.
StationRun::~StationRun() {
    finishing_.cancel();
    stopWorkers();
    while (running_ > 0) {
        pollfd watched{mailbox_.fd(), POLLIN, 0};
        while (::poll(&watched, 1, -1) < 0 && errno == EINTR) {
        }
        StationMail mail = mailbox_.take();
        for (StationEvent& event : mail.items) {
            if (auto* ended = std::get_if<UnitEnded>(&event);
                ended != nullptr && ended->lost && plan_.keepLostRecord) {
                try {
                    plan_.keepLostRecord(toJson(ended->result.report));
                } catch (...) { // leaving already: nothing more can be done for it
                }
            }
        }
        running_ -= std::min(running_, mail.flagged.size());
    }
    workers_.clear(); // each has said it is through: the joins are at once
}

void StationRun::start(StationObserver& observer) {
    for (std::size_t i = 0; i < plan_.ports.size(); ++i) {
        PortService::Plan served{i, plan_.unit, plan_.repeat, plan_.pollInterval};
        served.unit.port = plan_.ports[i];
        try {
            workers_.push_back(std::make_unique<worker::Worker>());
            workers_.back()->start(
                [service = PortService(std::move(served), finishing_, ports_, mailbox_)](
                    const link::Cancellation& stopping) mutable { service.serve(stopping); });
            ++running_;
        } catch (const std::system_error& error) {
            worstExit_ = std::max(worstExit_, kExitPrinter);
            observer.cannotServe(i, error.what());
        }
    }
}

void StationRun::deliver(StationObserver& observer) {
    StationMail mail = mailbox_.take();
    for (StationEvent& event : mail.items) {
        if (auto* state = std::get_if<PortStateChanged>(&event)) {
            observer.stateChanged(state->port, state->state);
        } else if (auto* line = std::get_if<PortDiagnostic>(&event)) {
            observer.diagnostic(line->port, line->said);
        } else if (auto* ended = std::get_if<UnitEnded>(&event)) {
            unitEnded(observer, *ended);
        } else if (auto* step = std::get_if<UnitStep>(&event)) {
            observer.unitStep(step->port, step->kind, step->text);
        }
    }
    for (const std::size_t port : mail.flagged) {
        --running_;
        observer.stateChanged(port, PortState::Finished);
    }
    if (running_ == 0) {
        workers_.clear(); // each has said it is through: the joins are at once
    }
}

int StationRun::interrupt() {
    ++interrupts_;
    if (interrupts_ == 1) {
        finishing_.cancel();
    } else {
        stopWorkers();
    }
    return interrupts_;
}

void StationRun::stopWorkers() {
    for (const std::unique_ptr<worker::Worker>& worker : workers_) {
        worker->stop();
    }
}

void StationRun::unitEnded(StationObserver& observer, UnitEnded& event) {
    if (event.lost && plan_.keepLostRecord) {
        plan_.keepLostRecord(toJson(event.result.report));
    }
    PortTally& tally = tallies_[event.port];
    const QJsonObject record = toJson(event.result.report);
    const int exitCode = exitStatus(event.result.outcome);
    worstExit_ = std::max(worstExit_, exitCode);
    // A unit whose printer stored the profile is done, also when the log did not take its
    // record (which its exit status says).
    if (event.result.report.outcome == Outcome::Ok) {
        ++tally.done;
        tally.totalMs += record.value("duration_ms").toInteger();
    } else {
        ++tally.failed;
    }
    const UnitReport& report = event.result.report;
    observer.unitEnded(event.port, record, exitCode,
                       report.said.value_or(message::Message::shown(report.message)));
}

} // namespace tessaro::station
