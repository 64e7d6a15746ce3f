// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Station.h"

#include "cli/InterruptWatch.h"
#include "message/English.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"
#include "station/Outcome.h"

#include <cerrno>
#include <iostream>
#include <poll.h>

namespace tessaro::cli {
namespace {

std::string stateText(station::PortState state) {
    switch (state) {
    case station::PortState::WaitingForPrinter:
        return "waiting for a printer";
    case station::PortState::Provisioning:
        return "provisioning";
    case station::PortState::WaitingForLeave:
        return "waiting for the printer to leave";
    case station::PortState::WaitingForNextPrinter:
        return "waiting for the next printer";
    case station::PortState::Finished:
        break;
    }
    return "finished";
}

} // namespace

Station::Station(station::StationPlan plan, StationDisplay& display)
    : display_(display), run_(std::move(plan)) {}

int Station::run(InterruptWatch& interrupts) {
    run_.start(*this);
    while (run_.running() > 0) {
        waitForMail(interrupts);
        for (int n = interrupts.take(); n > 0; --n) {
            interrupt();
        }
        run_.deliver(*this);
    }
    display_.finish();
    return run_.worstExit();
}

// Until there is mail or an interruption. Not bounded here: the workers' waits are, and
// with repeat the station waits for Ctrl-C by design.
void Station::waitForMail(const InterruptWatch& interrupts) {
    pollfd watched[2] = {{run_.fd(), POLLIN, 0}, {interrupts.fd(), POLLIN, 0}};
    while (::poll(watched, 2, -1) < 0 && errno == EINTR) {
    }
}

void Station::interrupt() {
    if (run_.interrupt() == 1) {
        display_.diagnostic("Interrupted: the units under way finish, then the station stops "
                            "(Ctrl-C again stops them too)");
    }
}

void Station::stateChanged(std::size_t port, station::PortState state) {
    display_.setState(port,
                      stateText(state) + " (" + station::tallyText(run_.tallies()[port]) + ")");
}

void Station::diagnostic(std::size_t port, const message::Message& said) {
    display_.diagnostic(
        station::portLines(shownPort(port), message::shownText(message::english(said))));
}

void Station::cannotServe(std::size_t port, const std::string& why) {
    display_.diagnostic(station::portLines(shownPort(port), "cannot serve the port: " + why));
    stateChanged(port, station::PortState::Finished);
}

void Station::unitEnded(std::size_t port, const QJsonObject& record, int exitCode,
                        const message::Message&) {
    if (run_.plan().json) {
        std::cout << station::jsonLine(record) << std::endl;
        return;
    }
    const std::string message = record.value("message").toString().toStdString();
    const std::string identity = record.value("identity").toString().toStdString();
    // The log's failure was said as it happened: the line only says the unit is not in it.
    const std::string result = record.value("result").toString().toStdString();
    display_.result(station::portLines(
        shownPort(port),
        result == station::resultWord(station::Outcome::Ok)
            ? (identity.empty() ? "" : identity + ": ") + message + " (" +
                  station::secondsText(record.value("duration_ms").toInteger()) + ")" +
                  (exitCode == station::kExitDone ? "" : ", not recorded in the audit log")
            : "failed (" + result + "): " + message));
}

std::string Station::shownPort(std::size_t port) const {
    return message::oneLine(run_.tallies()[port].port.text());
}

std::string Station::summaryLine(const station::PortTally& tally) {
    return message::oneLine(tally.port.text()) + ": " + station::tallyText(tally);
}

} // namespace tessaro::cli
