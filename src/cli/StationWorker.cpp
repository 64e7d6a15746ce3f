// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationWorker.h"

#include "cli/LineForwarder.h"
#include "cli/PortFinder.h"
#include "cli/SendUnit.h"
#include "cli/StationMailbox.h"
#include "cli/StatusProbe.h"
#include "link/Cancellation.h"

#include <QEventLoop>
#include <csignal>
#include <pthread.h>

namespace tessaro::cli {

StationWorker::StationWorker(Plan plan, const link::Cancellation& finishing,
                             const link::Cancellation& stopping, PortFinder& ports,
                             StationMailbox& mailbox)
    : plan_(std::move(plan)), finishing_(finishing), stopping_(stopping), ports_(ports),
      mailbox_(mailbox) {}

StationWorker::~StationWorker() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void StationWorker::start() {
    thread_ = std::thread([this] { run(); });
}

void StationWorker::run() noexcept {
    // Ctrl-C is the station's: blocked here as in the thread that started this one.
    sigset_t stationSignals;
    sigemptyset(&stationSignals);
    sigaddset(&stationSignals, SIGINT);
    sigaddset(&stationSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stationSignals, nullptr);
    std::string failure;
    try {
        // Qt gives a thread it did not start an event dispatcher once an event loop is made
        // in it; the serial port's notifiers need one. No event loop runs: every wait of the
        // link is its own.
        const QEventLoop dispatcher;
        serve();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    if (!failure.empty()) {
        try {
            say("The station stopped serving this port: " + failure);
        } catch (...) { // the memory to say it is gone: the port's line says finished
        }
    }
    mailbox_.finished(plan_.index);
}

void StationWorker::serve() {
    LineForwarder nowhere; // the status texts of the waits are not shown
    StatusProbe probe(plan_.unit, {nowhere, nowhere}, &finishing_, ports_.maker());
    if (plan_.repeat) {
        show(PortState::WaitingForPrinter);
        if (!await(probe, true)) {
            return;
        }
    }
    while (!finishing_.cancelled()) {
        provision();
        if (!plan_.repeat || finishing_.cancelled()) {
            return;
        }
        show(PortState::WaitingForLeave);
        if (!await(probe, false)) {
            return;
        }
        show(PortState::WaitingForNextPrinter);
        if (!await(probe, true)) {
            return;
        }
    }
}

// Asks the status until a printer answers (present) or none does; false when the station
// finishes first.
bool StationWorker::await(StatusProbe& probe, bool present) {
    while (!finishing_.cancelled()) {
        if (StatusProbe::answered(probe.ask()) == present) {
            return !finishing_.cancelled();
        }
        finishing_.waitFor(plan_.pollInterval);
    }
    return false;
}

// One unit, recorded whatever way it ends: by its own record, or, when it failed in a way
// it could not record, by the station's.
void StationWorker::provision() {
    show(PortState::Provisioning);
    UnitEnded ended{plan_.index, {}, false};
    std::string failure;
    try {
        // What a unit says once it is stopped is not shown: its record says it was.
        LineForwarder diagnostics([this](std::string line) {
            if (!stopping_.cancelled()) {
                say(std::move(line));
            }
        });
        LineForwarder nowhere; // the record is the station's to print
        ended.result = sendUnit(plan_.unit, {nowhere, diagnostics}, &stopping_, ports_.maker());
    } catch (const std::exception& error) {
        failure = error.what();
        ended.lost = true;
    } catch (...) {
        failure = "unknown error";
        ended.lost = true;
    }
    if (ended.lost) {
        ended.result = {lostUnitReport(plan_.unit.port), Outcome::NotStored};
        say("The unit failed: " + failure);
    }
    mailbox_.post(std::move(ended));
}

void StationWorker::show(PortState state) {
    mailbox_.post(PortStateChanged{plan_.index, state});
}

void StationWorker::say(std::string line) {
    mailbox_.post(PortDiagnostic{plan_.index, std::move(line)});
}

} // namespace tessaro::cli
