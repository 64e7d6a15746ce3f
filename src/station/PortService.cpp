// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/PortService.h"

#include "link/Cancellation.h"
#include "station/LineForwarder.h"
#include "station/PortFinder.h"
#include "station/SendUnit.h"
#include "station/StationMailbox.h"
#include "station/StatusProbe.h"
#include "station/UnitProgress.h"

#include <algorithm>

namespace tessaro::station {
namespace {

// Where the printer just served answers: at the speed its profile left it at, and at the one
// it was found at; at the units' own speed when it gave none.
std::vector<std::string> servedSpeeds(const UnitReport& report, const std::string& unitSpeed) {
    std::vector<std::string> speeds;
    for (const std::optional<int>& speed : {report.speedAfter, report.speed}) {
        if (speed) {
            speeds.push_back(std::to_string(*speed));
        }
    }
    if (speeds.empty()) {
        speeds.push_back(unitSpeed);
    }
    return speeds;
}

} // namespace

PortService::PortService(Plan plan, const link::Cancellation& finishing, PortFinder& ports,
                         StationMailbox& mailbox)
    : plan_(std::move(plan)), finishing_(finishing), ports_(ports), mailbox_(mailbox) {}

void PortService::serve(const link::Cancellation& stopping) noexcept {
    stopping_ = &stopping;
    std::string failure;
    try {
        serveUnits();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    if (!failure.empty()) {
        try {
            say({message::MessageId::StationStoppedServing,
                 {message::Part::framed(message::Message::shown(failure))}});
        } catch (...) { // the memory to say it is gone: the port's line says finished
        }
    }
    stopping_ = nullptr;
    mailbox_.raise(plan_.index);
}

void PortService::serveUnits() {
    LineForwarder nowhere; // the status texts of the waits are not shown
    StatusProbe probe(plan_.unit, {nowhere, nowhere}, &finishing_, ports_.maker());
    if (plan_.repeat) {
        show(PortState::WaitingForPrinter);
        if (!await({&probe}, true)) {
            return;
        }
    }
    while (!finishing_.cancelled()) {
        const std::vector<std::string> speeds = provision();
        if (!plan_.repeat || finishing_.cancelled()) {
            return;
        }
        show(PortState::WaitingForLeave);
        if (!awaitLeave(speeds, nowhere)) {
            return;
        }
        show(PortState::WaitingForNextPrinter);
        if (!await({&probe}, true)) {
            return;
        }
    }
}

// Asks the status until a printer answers to one of the probes (present) or to none; false
// when the station finishes first.
bool PortService::await(const std::vector<StatusProbe*>& probes, bool present) {
    while (!finishing_.cancelled()) {
        const bool there = std::ranges::any_of(
            probes, [](StatusProbe* probe) { return StatusProbe::answered(probe->ask()); });
        if (there == present) {
            return !finishing_.cancelled();
        }
        finishing_.waitFor(plan_.pollInterval);
    }
    return false;
}

// The printer just served has left once it answers at none of its speeds: a profile that
// changes its speed leaves it answering at the new one.
bool PortService::awaitLeave(const std::vector<std::string>& speeds, LineForwarder& nowhere) {
    std::vector<PrinterOptions> at(speeds.size(), plan_.unit);
    std::vector<StatusProbe> probes;
    probes.reserve(at.size()); // each keeps its options by reference
    std::vector<StatusProbe*> each;
    for (std::size_t i = 0; i < at.size(); ++i) {
        at[i].speed = speeds[i];
        each.push_back(&probes.emplace_back(at[i], FeedbackOutput{nowhere, nowhere}, &finishing_,
                                            ports_.maker()));
    }
    return await(each, false);
}

// One unit, recorded whatever way it ends: by its own record, or, when it failed in a way
// it could not record, by the station's. The speeds its printer answers at afterwards.
std::vector<std::string> PortService::provision() {
    show(PortState::Provisioning);
    UnitEnded ended{plan_.index, {}, false};
    std::string failure;
    try {
        // What a unit says once it is stopped is not shown: its record says it was.
        const SaidReport said = [this](const message::Message& what) {
            if (!stopping_->cancelled()) {
                say(what);
            }
        };
        // What the unit writes on its error stream before it has a session to say it by.
        LineForwarder diagnostics(
            [&said](std::string line) { said(message::Message::shown(std::move(line))); });
        LineForwarder nowhere; // the record is the station's to print
        const StepReport step = [this](UnitStepKind kind, message::Message text) {
            mailbox_.post(UnitStep{plan_.index, kind, std::move(text)});
        };
        ended.result = sendUnit(plan_.unit, {nowhere, diagnostics}, stopping_,
                                reportingSteps(ports_.maker(), step, said));
    } catch (const std::exception& error) {
        failure = error.what();
        ended.lost = true;
    } catch (...) {
        failure = "unknown error";
        ended.lost = true;
    }
    if (ended.lost) {
        ended.result = {lostUnitReport(plan_.unit), Outcome::NotStored};
        say({message::MessageId::UnitFailedWith,
             {message::Part::framed(message::Message::shown(failure))}});
    }
    std::vector<std::string> speeds = servedSpeeds(ended.result.report, plan_.unit.speed);
    mailbox_.post(std::move(ended));
    return speeds;
}

void PortService::show(PortState state) {
    mailbox_.post(PortStateChanged{plan_.index, state});
}

void PortService::say(const message::Message& said) {
    mailbox_.post(PortDiagnostic{plan_.index, said});
}

} // namespace tessaro::station
