// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/PrinterSteps.h"

#include "link/Cancellation.h"
#include "protocol/Transmission.h"
#include "station/PrinterOptions.h"

namespace tessaro::station {
namespace {

// How a detection ended: found, nothing answered, or the port could not be used.
Outcome detectionOutcome(const detect::DetectionResult& result) {
    if (result.found) {
        return Outcome::Ok;
    }
    return result.problem == link::PortProblem::None ? Outcome::NoAnswer
                                                     : outcomeOf(result.problem);
}

bool stopped(const link::Cancellation* stop) {
    return stop != nullptr && stop->cancelled();
}

} // namespace

Outcome detectAndReport(PrinterSession& session, const PrinterOptions& options, UnitRun& run,
                        bool resultIsFailure) {
    UnitFeedback& feedback = run.feedback();
    feedback.holdNotices(true);
    feedback.showProgress(options.speed == kAnySpeed && options.showSearch);
    const detect::DetectionResult result =
        session.detect(options.speed, handshakeIndex(options.handshake));
    feedback.showProgress(false);
    const bool found = result.found;
    describeSession(run.report(), session);
    if (!found && resultIsFailure && !feedback.result().empty()) {
        feedback.error(feedback.result());
    }
    feedback.printDetection(found);
    if (found) {
        run.warnOfFaults(session);
    }
    return detectionOutcome(result);
}

UnitResult withPrinter(UnitRun& run, const PrinterOptions& options, workspace::Workspace& ws,
                       const PrinterOperation& operation, const link::Cancellation* stop,
                       const SessionMaker& makeSession) {
    const std::optional<link::PortRef>& port = options.port;
    if (!port) {
        return run.fail(Outcome::BadUsage, link::PortRef::unknownText(options.unknownPort));
    }
    UnitFeedback& feedback = run.feedback();
    if (!feedback.canAsk()) {
        return run.fail(Outcome::BadUsage,
                        "Refusing to change the printer without a terminal to confirm on: "
                        "add --yes");
    }
    if (stopped(stop)) {
        return run.stopped();
    }
    const std::unique_ptr<PrinterSession> made = makeSession(*port, feedback, stop);
    PrinterSession& session = *made;
    const Outcome found = detectAndReport(session, options, run, true);
    // A detection whose waits were cut short says nothing of the printer.
    if (stopped(stop)) {
        return run.stopped();
    }
    if (found != Outcome::Ok) {
        return run.finish(found);
    }
    protocol::Transmission transmission(ws, session.link(), session.facts(), feedback);
    transmission.setCancellation(stop);
    protocol::PrinterCommands commands(ws, transmission, feedback);
    const bool stored = operation(commands);
    describeSpeedAfter(run.report(), session); // a speed command moved the link
    if (stored) {
        return run.finish(Outcome::Ok); // the printer said so: stopped or not, it is done
    }
    if (stopped(stop)) {
        return run.stopped();
    }
    if (transmission.portProblem() != link::PortProblem::None) {
        return run.finish(outcomeOf(transmission.portProblem()));
    }
    return run.finish(feedback.declined() ? Outcome::Declined : Outcome::NotStored);
}

} // namespace tessaro::station
