// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/Detection.h"

#include "message/English.h"
#include "message/ShownText.h"
#include "protocol/CommandTable.h"
#include "protocol/Identity.h"

#include <array>
#include <utility>

namespace tessaro::detect {

using link::MessageIcon;
using message::MessageId;
using message::Part;
using protocol::kCancel;
using protocol::kIdentityRequest;
using protocol::kSettingsQuery;
using protocol::kStatusRequest;

namespace {

// "No printer found on COM 1 at 9600 bauds"; without the speed where the link names none.
message::Message noPrinterOn(const Detection::Place& where) {
    if (where.speed) {
        return {MessageId::NoPrinterOnAtSpeed,
                {Part::verbatim(where.port), Part::verbatim(*where.speed)}};
    }
    return {MessageId::NoPrinterOn, {Part::verbatim(where.port)}};
}

// "R62 found on COM 1 at 9600 bauds": the identity is the printer's, shown as it is.
message::Message foundOn(std::string identity, const Detection::Place& where) {
    if (where.speed) {
        return {MessageId::PrinterFoundOnAtSpeed,
                {Part::verbatim(std::move(identity)), Part::verbatim(where.port),
                 Part::verbatim(*where.speed)}};
    }
    return {MessageId::PrinterFoundOn,
            {Part::verbatim(std::move(identity)), Part::verbatim(where.port)}};
}

} // namespace

std::string printerName(std::string_view reply) {
    constexpr std::size_t kLongest = 16;
    std::string_view name = reply.substr(0, kLongest);
    // a character the sixteenth byte cuts in two is left out, not shown as a stray byte
    for (std::size_t start = name.size() < 3 ? 0 : name.size() - 3; start < name.size(); ++start) {
        if (message::utf8Length(reply.substr(start)) > name.size() - start) {
            name = name.substr(0, start);
            break;
        }
    }
    name = name.substr(0, name.find('\0'));
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return "";
    }
    return std::string(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

bool settingsSayXonXoff(std::optional<std::uint8_t> settings, std::string_view speed) {
    return settings && (*settings & 0x07) == settingsSpeedCode(speed) && (*settings & 0x80) == 0;
}

Detection::Detection(link::SubCom& link, link::PortIO& portIO, link::PrinterFacts& facts,
                     protocol::UserFeedback& feedback)
    : link_(link), portIO_(portIO), facts_(facts), feedback_(feedback) {}

// The printer found, described while its port is still open, then announced and shown in
// the status bar: its port, its identity and its supply. Returns nothing, or the fault the
// link raised meanwhile (the printer is then neither announced nor shown).
message::Failure Detection::describe(std::string_view identity, const message::Message& found) {
    if (message::Failure fault = protocol::DescribePrinter(identity, link_, facts_)) {
        return fault;
    }
    feedback_.say(MessageIcon::Information, found);
    const link::LinkSettings& settings = link_.settings();
    panels_ = {
        link_.transport().panelText(settings.Port, settings.PortSpeed),
        message::Message::shown("    " + message::oneLine(facts_.PrinterIdentity)),
        {facts_.PowerVolts == 5 ? MessageId::PowerFiveVolts : MessageId::PowerTwentyFourVolts, {}},
        message::Message::shown("")};
    return std::nullopt;
}

void Detection::ShowNoPrinter() {
    facts_.PrinterFound = false;
    panels_ = {{MessageId::NoPrinterFoundPanel, {}}};
}

bool Detection::portThere(const link::PortRef& port) {
    if (link_.portExists(port)) {
        return true;
    }
    problem_ = link::PortProblem::Absent;
    feedback_.say(MessageIcon::Critical, {MessageId::PortDoesNotExist,
                                          {message::Part::framed(link_.absentPortReason(port))}});
    return false;
}

DetectionResult Detection::detectOn(const link::PortRef& port, std::string_view speed,
                                    int handshakeIndex) {
    problem_ = link::PortProblem::None;
    // A port refused leaves the link as the last detection left it.
    if (!portThere(port)) {
        DetectionResult refused;
        refused.port = port;
        refused.problem = problem_;
        refused.session = {link_.settings(), facts_};
        return refused;
    }
    link_.settings().Port = port;
    facts_.PrinterFound = false;
    panels_.clear();
    message::Message said = port.row().exchange == link::Exchange::ParallelRegisters
                                ? ProbeParallelPrinter(port.number())
                                : probeStream(port, speed, handshakeIndex);
    DetectionResult result = resultOf(port, std::move(said));
    if (!result.found && port.row().lineSettings) {
        result.speed = std::string(speed); // what the window keeps showing
        result.handshakeIndex = handshakeIndex;
    }
    return result;
}

DetectionResult Detection::resultOf(const link::PortRef& port, message::Message said) {
    DetectionResult result;
    result.found = facts_.PrinterFound;
    result.probed = true;
    result.port = port;
    result.problem = problem_;
    result.text = message::english(said);
    result.said = std::move(said);
    result.session = {link_.settings(), facts_};
    result.panels = std::exchange(panels_, {});
    if (result.found && port.row().lineSettings) {
        result.speed = link_.settings().PortSpeed;
        result.handshakeIndex = link_.settings().PortHandshake == 1 ? 0 : 1;
    }
    return result;
}

// A port that cannot be opened, or an adapter that vanished: say so and why.
message::Message Detection::probeFailure(link::Transport& printer, message::Message reason) {
    problem_ = printer.problem() != link::PortProblem::None ? printer.problem()
                                                            : link::PortProblem::Unusable;
    printer.close();
    if (stop_ != nullptr && stop_->cancelled()) {
        ShowNoPrinter(); // the user stopped it: nothing to report
        return {MessageId::NoPrinterFound, {}};
    }
    feedback_.say(MessageIcon::Critical, reason);
    ShowNoPrinter();
    return reason;
}

// A printer on a link that replies as it pleases (serial, USB, network) is asked the same
// things on each; a link with line settings opens at the speed and handshake given and asks
// the printer's own serial settings besides.
message::Message Detection::probeStream(const link::PortRef& port, std::string_view speed,
                                        int handshakeIndex) {
    problem_ = link::PortProblem::None;
    link_.settings().Port = port;
    link::Transport& printer = link_.transport(port.kind());
    const bool lineSettings = port.row().lineSettings;
    if (message::Failure failure =
            link_.OpenPort(port, speed, lineSettings ? handshakeIndex + 1 : 0)) {
        return probeFailure(printer, std::move(*failure));
    }
    link::PortCloser closer(link_);
    const Place where{printer.resultName(port), printer.resultNamesSpeed()
                                                    ? std::optional(std::string(speed))
                                                    : std::nullopt};
    return probeOpenPort(printer, port, where, lineSettings ? std::optional(speed) : std::nullopt);
}

// The identity request, then the status request and, on a link with line settings, the
// printer's serial settings; the printer is described while the port is still open. A fault
// the link raises at any of these steps ends the detection with the port lost.
message::Message Detection::probeOpenPort(link::Transport& printer, const link::PortRef& port,
                                          const Place& where,
                                          std::optional<std::string_view> speed) {
    printer.discardInput();
    printer.write(kIdentityRequest);
    link_.timing().Delay(protocol::kIdentityWaitMs);
    const std::string reply = printer.takeWaiting();
    if (message::Failure fault = printer.takeFault()) {
        return probeFailure(printer, std::move(*fault));
    }
    if (!protocol::isPrinterIdentity(reply)) {
        facts_.PrinterFound = false;
        ShowNoPrinter();
        return noPrinterOn(where);
    }
    // Each later answer is waited for as long as the identity was, and taken as soon as it
    // comes: a slow printer's late answer must not be read as the answer to the next question.
    printer.discardInput();
    printer.write(kStatusRequest);
    facts_.StatusByte.reset();
    if (printer.waitForInput(protocol::kIdentityWaitMs) && printer.waiting() == 1) {
        // The window does not use the status byte further; the command line reports it.
        if (const std::string status = printer.takeWaiting(); status.size() == 1) {
            facts_.StatusByte = static_cast<std::uint8_t>(status.front());
        }
    }
    if (speed) {
        learnHandshake(printer, *speed);
    }
    if (message::Failure fault = printer.takeFault()) {
        return probeFailure(printer, std::move(*fault));
    }
    if (speed) {
        link_.settings().PortSpeed = std::string(*speed);
    }
    link_.settings().Port = port;
    const message::Message result = foundOn(printerName(reply), where);
    if (message::Failure fault = describe(reply, result)) {
        return probeFailure(printer, std::move(*fault));
    }
    link_.settings().PortChosen = true;
    return result;
}

// The printer's own serial settings say which handshake it uses: XON/XOFF only when they
// name the speed in use with bit 7 clear; hardware in every other case.
void Detection::learnHandshake(link::Transport& printer, std::string_view speed) {
    printer.write(kSettingsQuery);
    printer.waitForInput(protocol::kIdentityWaitMs);
    printer.write(kCancel);
    std::optional<std::uint8_t> settings;
    if (printer.waiting() >= 1) {
        const std::string bytes = printer.takeWaiting();
        if (!bytes.empty()) {
            settings = static_cast<std::uint8_t>(bytes.front());
        }
    }
    link_.settings().PortHandshake = settingsSayXonXoff(settings, speed) ? 1 : 2;
}

std::string Detection::readParallelReply() {
    std::string reply;
    std::uint8_t b = 0;
    bool ok = true;
    do {
        ok = link_.parallel().ByteModeRead(b);
        reply += static_cast<char>(b);
    } while (ok && b != 0 && reply.size() < link::SubCom::kMaxParallelReply);
    return reply;
}

message::Message Detection::ProbeParallelPrinter(int n) {
    problem_ = link::PortProblem::None;
    link::ParallelWinIO& lpt = link_.parallel();
    if (!lpt.OpenLPT(static_cast<std::uint8_t>(n))) {
        problem_ = lpt.OpenProblem;
        return message::Message::shown(""); // the opening has said why
    }
    link_.timing().Delay(10);
    if (!lpt.CompatibilityWrite(kCancel)) {
        lpt.CloseLPT();
        return message::Message::shown("");
    }
    lpt.CompatibilityWrite(kIdentityRequest);
    const std::string reply = readParallelReply();
    const Place where{link::PortRef::numbered(link::LinkKind::Parallel, n).spacedName(), {}};
    message::Message result;
    if (!protocol::isPrinterIdentity(reply)) {
        result = noPrinterOn(where);
        facts_.PrinterFound = false;
        ShowNoPrinter();
    } else {
        result = foundOn(printerName(reply), where);
        link_.settings().Port = link::PortRef::numbered(link::LinkKind::Parallel, n);
        link_.settings().PortChosen = true;
        link_.timing().Delay(10);
        lpt.CompatibilityWrite(kStatusRequest);
        link_.timing().Delay(20);
        std::uint8_t status = 0;
        facts_.StatusByte.reset();
        if (lpt.ByteModeRead(status)) {
            facts_.StatusByte = status;
        }
        describe(reply, result);
    }
    lpt.CloseLPT();
    link_.timing().Delay(10);
    return result;
}

} // namespace tessaro::detect
