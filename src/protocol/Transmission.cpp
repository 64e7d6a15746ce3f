// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/Transmission.h"

#include "protocol/CommandBytes.h"
#include "protocol/Identity.h"

namespace tessaro::protocol {

using link::MessageIcon;
using message::Message;
using message::MessageId;
using message::Part;

Transmission::Transmission(workspace::Workspace& workspace, link::SubCom& link,
                           link::PrinterFacts& facts, protocol::UserFeedback& feedback)
    : workspace_(workspace), link_(link), facts_(facts), feedback_(feedback) {}

void Transmission::SendCommand(std::string_view command, std::string_view text) {
    if (written(command)) {
        feedback_.showPanelText(kStatusPanel,
                                {MessageId::CommandStep, {Part::verbatim(std::string(text))}});
    }
}

// A command the printer did not take whole ends the run: nothing more goes out. The link's
// fault says why (the port lost, a printer that stopped taking data); a parallel printer
// that stays busy has none, and has stored nothing.
bool Transmission::written(std::string_view command) {
    if (link_.transport().write(command)) {
        feedback_.commandSent(command);
        return true;
    }
    if (!linkLost()) {
        fail({MessageId::SavingRefused, {}});
    }
    return false;
}

void Transmission::fail(const Message& message) {
    feedback_.say(MessageIcon::Critical, message);
    success_ = false;
}

// The port would not open (again): nothing more goes out.
void Transmission::portFailed(const Message& message) {
    const link::PortProblem problem = link_.transport().problem();
    problem_ = problem != link::PortProblem::None ? problem : link::PortProblem::Unusable;
    fail(message);
}

// An adapter unplugged under way ends the run: nothing more can arrive.
bool Transmission::linkLost() {
    const message::Failure fault = link_.transport().takeFault();
    if (!fault) {
        return false;
    }
    problem_ = link::PortProblem::Lost;
    fail(*fault);
    return true;
}

bool Transmission::SendParameters(bool sendAll) {
    success_ = true;
    problem_ = link::PortProblem::None;
    if (!facts_.PrinterFound) {
        feedback_.sayWarning(MessageIcon::Information, {MessageId::NeedPrinterConnected, {}});
        return false;
    }
    const link::LinkSettings& settings = link_.settings();
    const message::Failure failure =
        link_.OpenPort(settings.Port, settings.PortSpeed, settings.PortHandshake);
    if (failure) {
        portFailed({MessageId::NothingWasSent, {Part::framed(*failure)}});
    } else {
        link::PortCloser closer(link_);
        if (sendCommands(sendAll) && !linkLost()) {
            if (stopped()) {
                success_ = false; // stopped before the saving sequence: nothing is stored
            } else {
                saveParameters();
            }
        }
    }
    feedback_.showPanelText(
        kStatusPanel, {success_ ? MessageId::ParametersSaved : MessageId::SavingFailedPanel, {}});
    if (success_) {
        feedback_.say(MessageIcon::Information, {MessageId::SavingSucceeded, {}});
    }
    return success_;
}

bool Transmission::sendCommands(bool sendAll) {
    const TransmissionContext context{facts_.Chipset5V, facts_.PowerVolts,
                                      link_.settings().PortSpeed};
    for (const PlannedCommand& command : composeCommands(workspace_, sendAll, context)) {
        if (stopped()) {
            success_ = false; // what is left is not sent, nor saved
            return false;
        }
        if (command.serial) {
            if (!sendSerialSpeed(command)) {
                return false;
            }
        } else {
            SendCommand(command.bytes, command.row->statusText);
        }
        if (!success_ || linkLost()) {
            return false;
        }
    }
    return true;
}

// GS B changes the printer's speed at once: a serial link follows it to the new speed.
bool Transmission::sendSerialSpeed(const PlannedCommand& command) {
    feedback_.showPanelText(kStatusPanel, {MessageId::CommandStep,
                                           {Part::verbatim(std::string(command.row->statusText))}});
    if (command.serial->refusal != SpeedRefusal::None) {
        feedback_.sayWarning(MessageIcon::Information,
                             refusalMessage(command.serial->refusal, command.serial->chosenSpeed));
    }
    if (command.bytes.empty()) {
        return true; // the current speed has no code for this chipset: GS B is left out
    }
    link::Transport& link = link_.transport();
    if (!written(command.bytes)) {
        return false;
    }
    link_.timing().Delay(link.speedCommandPauseMs());
    return link.followsPrinterSpeed() ? reopenAtSpeed(command.serial->newSpeed) : true;
}

bool Transmission::reopenAtSpeed(const std::string& speed) {
    link::LinkSettings& settings = link_.settings();
    link_.ClosePort();
    settings.PortSpeed = speed;
    const message::Failure failure =
        link_.OpenPort(settings.Port, settings.PortSpeed, settings.PortHandshake);
    if (failure) {
        portFailed(*failure);
        return false;
    }
    feedback_.showPanelText(0, link_.transport().panelText(settings.Port, settings.PortSpeed));
    return true;
}

bool Transmission::saveParameters() {
    feedback_.showPanelText(kStatusPanel, {MessageId::SavingParameters, {}});
    link::Transport& link = link_.transport();
    link.expectAnswer();
    if (!written(kSaveCommand)) {
        return false;
    }
    link_.timing().DelayWhole(link.savingReplyWaitMs());
    // A port that went away shows at the first read from it: read first, then judge.
    const link::Answer answer = link.takeAnswer();
    if (linkLost()) {
        return false;
    }
    if (answer.kind == link::Answer::Kind::None) {
        fail({MessageId::SavingUnanswered, {}});
    } else if (answer.kind == link::Answer::Kind::Unreadable || answer.byte != 0) {
        fail({MessageId::SavingRefused, {}});
        if (link.needsRedetectionAfterSave()) {
            feedback_.showPanelText(kStatusPanel, {MessageId::SavingFailedPanel, {}});
        }
    }
    if (link.needsRedetectionAfterSave()) {
        link.close();
        feedback_.say(MessageIcon::Information, {MessageId::RebootPrinter, {}});
    }
    return success_;
}

} // namespace tessaro::protocol
