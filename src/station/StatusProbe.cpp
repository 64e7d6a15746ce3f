// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/StatusProbe.h"

#include "detect/SpeedSearch.h"
#include "detect/StatusCheck.h"
#include "message/English.h"
#include "message/ShownText.h"
#include "protocol/CommandTable.h"
#include "protocol/Identity.h"
#include "station/PrinterOptions.h"

namespace tessaro::station {

StatusProbe::StatusProbe(const PrinterOptions& options, FeedbackOutput output,
                         const link::Cancellation* stop, SessionMaker makeSession)
    : options_(options), output_(output), stop_(stop), makeSession_(std::move(makeSession)) {}

namespace {
// How long after the status byte nothing more may come.
constexpr int kNoMoreBytesMs = 50;
// How long the printer has to begin its answer to the status request.
constexpr int kStatusWaitMs = 500;
} // namespace

bool StatusProbe::answered(const UnitResult& result) {
    return result.outcome == Outcome::Ok || result.outcome == Outcome::PrinterFault;
}

// The speed given; with auto on a serial port the first of the search's speeds that answers
// (none when no speed does), or the first of them when the port will not open, so that the
// opening says why. A link without line settings has no speed to find.
std::optional<std::string> StatusProbe::speedToAsk(PrinterSession& session, UnitRun& run) {
    if (options_.speed != kAnySpeed) {
        return options_.speed;
    }
    const link::PortRef& port = session.port();
    if (!port.row().lineSettings || !session.link().portExists(port)) {
        return std::string(detect::kSearchSpeeds.front());
    }
    UnitFeedback& feedback = run.feedback();
    feedback.showProgress(options_.showSearch);
    const detect::SpeedFound found =
        detect::findSpeed(session.detection(), port, session.searchProgress());
    feedback.showProgress(false);
    if (found.speed) {
        return std::string(*found.speed);
    }
    if (found.opened) {
        return std::nullopt;
    }
    return std::string(detect::kSearchSpeeds.front());
}

UnitResult StatusProbe::ask() {
    UnitRun run(options_, false, output_);
    const std::optional<link::PortRef>& choice = options_.port;
    if (!choice) {
        return run.fail(Outcome::BadUsage, link::PortRef::unknownText(options_.unknownPort));
    }
    const std::unique_ptr<PrinterSession> made = makeSession_(*choice, run.feedback(), stop_);
    PrinterSession& session = *made;
    // The port the session settled on: a device path that is one of the system's ports is
    // that port.
    const link::PortRef& port = session.port();
    link::SubCom& link = session.link();
    const std::optional<std::string> speed = speedToAsk(session, run);
    if (!speed) {
        describeSession(run.report(), session);
        return run.fail(
            Outcome::NoAnswer,
            message::Message(message::MessageId::NoStatusReplyAtAnySpeed,
                             {message::Part::verbatim(message::oneLine(choice->text()))}));
    }
    link.settings() = {port, true, *speed, portHandshake(options_.handshake)};
    describeSession(run.report(), session);
    if (const message::Failure failure =
            link.OpenPort(port, *speed, link.settings().PortHandshake)) {
        return run.fail(outcomeOf(link.transport().problem()), *failure);
    }
    link::PortCloser closer(link);
    link.discardInput(); // a byte left from an earlier exchange is not the status
    link.SendString(protocol::kStatusRequest);
    run.feedback().commandSent(protocol::kStatusRequest);
    if (!link.transport().waitForInput(kStatusWaitMs)) {
        // A printer that closed the connection, or a device that went, is a lost port.
        if (const message::Failure fault = link.transport().takeFault()) {
            return run.fail(Outcome::PortLost, *fault);
        }
        return run.fail(
            Outcome::NoAnswer,
            message::Message(message::MessageId::NoStatusReply,
                             {message::Part::verbatim(message::oneLine(choice->text()))}));
    }
    const std::optional<std::uint8_t> reply = link.ReceiveByte(kStatusWaitMs);
    if (const message::Failure fault = link.transport().takeFault()) {
        return run.fail(Outcome::PortLost, *fault);
    }
    // A printer answers with the one byte asked for. Bytes that go on coming are no answer: a
    // line held low reads as endless zeros, which would pass for a cutter fault.
    if (!reply || link.transport().waitForInput(kNoMoreBytesMs)) {
        return run.fail(
            Outcome::NoAnswer,
            message::Message(message::MessageId::NoStatusReply,
                             {message::Part::verbatim(message::oneLine(choice->text()))}));
    }
    std::uint8_t status = *reply;
    run.report().statusByte = status;
    protocol::AffichStatus(status, session.facts());
    const std::string& text = session.facts().PrinterStatusText;
    if (!options_.json) {
        output_.out << text << "\n";
    }
    if (const message::Failure faults = protocol::faultsOf(status)) {
        return run.fail(
            Outcome::PrinterFault,
            message::Message(message::MessageId::PrinterReportsFault,
                             {message::Part::verbatim(message::oneLine(session.portName())),
                              message::Part::framed(*faults)}));
    }
    run.report().message = text;
    return run.finish(Outcome::Ok);
}

} // namespace tessaro::station
