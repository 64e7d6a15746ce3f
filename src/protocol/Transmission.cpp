#include "protocol/Transmission.h"

#include "protocol/CommandBytes.h"
#include "protocol/Identity.h"

namespace tessaro::protocol {

using link::MessageIcon;

Transmission::Transmission(workspace::Workspace& workspace, link::SubCom& link, PrinterFacts& facts,
                           link::UserFeedback& feedback)
    : workspace_(workspace), link_(link), facts_(facts), feedback_(feedback) {}

void Transmission::SendCommand(std::string_view command, std::string_view text) {
    link_.SendString(command);
    feedback_.setPanelText(kStatusPanel, text);
}

void Transmission::fail(std::string_view message) {
    feedback_.message(MessageIcon::Critical, message);
    success_ = false;
}

// An adapter unplugged under way ends the run: nothing more can arrive.
bool Transmission::linkLost() {
    const std::string fault = link_.transport().takeFault();
    if (fault.empty()) {
        return false;
    }
    fail(fault);
    return true;
}

bool Transmission::SendParameters(bool sendAll) {
    success_ = true;
    feedback_.setBusy(true);
    if (!facts_.PrinterFound) {
        feedback_.warn(MessageIcon::Information, "Need a Printer Connected\rDetect Printer Please");
        feedback_.setBusy(false);
        return false;
    }
    const link::LinkSettings& settings = link_.settings();
    const std::string failure =
        link_.OpenPort(settings.PortNumber, settings.PortSpeed, settings.PortHandshake);
    if (!failure.empty()) {
        fail(failure + "\rNothing was sent.");
    } else {
        link::PortCloser closer(link_);
        if (sendCommands(sendAll) && !linkLost()) {
            settings.PortIsSerial ? saveOverSerial() : saveOverParallel();
        }
    }
    feedback_.setBusy(false);
    feedback_.setPanelText(kStatusPanel, success_ ? kSavedStatus : kSaveFailedStatus);
    if (success_) {
        feedback_.message(MessageIcon::Information, "Saving Sequence Successful !");
    }
    return success_;
}

bool Transmission::sendCommands(bool sendAll) {
    const TransmissionContext context{facts_.Chipset5V, facts_.PowerVolts,
                                      link_.settings().PortSpeed};
    for (const PlannedCommand& command : composeCommands(workspace_, sendAll, context)) {
        if (command.serial) {
            if (!sendSerialSpeed(command)) {
                return false;
            }
        } else {
            SendCommand(command.bytes, command.row->statusText);
        }
        if (linkLost()) {
            return false;
        }
    }
    return true;
}

// GS B changes the printer's speed at once: a serial link follows it to the new speed.
bool Transmission::sendSerialSpeed(const PlannedCommand& command) {
    feedback_.setPanelText(kStatusPanel, command.row->statusText);
    if (command.serial->refusal != SpeedRefusal::None) {
        feedback_.warn(MessageIcon::Information, refusalMessage(command.serial->refusal));
    }
    if (command.bytes.empty()) {
        return true; // the current speed has no code for this chipset: GS B is left out
    }
    if (link_.settings().PortIsSerial) {
        link_.SendString(command.bytes);
        link_.timing().Delay(50);
        return reopenAtSpeed(command.serial->newSpeed);
    }
    if (!link_.parallel().CompatibilityWrite(command.bytes)) {
        fail(kSaveFailedMessageA);
    }
    link_.timing().Delay(100);
    return true;
}

bool Transmission::reopenAtSpeed(const std::string& speed) {
    link::LinkSettings& settings = link_.settings();
    link_.ClosePort();
    settings.PortSpeed = speed;
    const std::string failure =
        link_.OpenPort(settings.PortNumber, settings.PortSpeed, settings.PortHandshake);
    if (!failure.empty()) {
        fail(failure);
        return false;
    }
    feedback_.setPanelText(0, portPanelText(true, settings.PortNumber, settings.PortSpeed));
    return true;
}

bool Transmission::saveOverSerial() {
    feedback_.setPanelText(kStatusPanel, "Saving parameters");
    link::SerialControl& serial = link_.serial();
    serial.setInputMode(1);
    serial.discardInput(); // only the answer to ESC s may count
    link_.SendString(kSaveCommand);
    link_.timing().Delay(500);
    // A port that went away shows at the first read from it: ask first, then judge.
    const int waiting = serial.inBufferCount();
    if (linkLost()) {
        return false;
    }
    if (waiting == 0) {
        fail(kSaveFailedMessageB);
        return false;
    }
    // The printer answers in order: when a late answer to an earlier request came in the
    // same wait, the answer to ESC s is the byte that came last.
    const std::string reply = serial.input().substr(0, 100);
    if (reply.empty() || reply.back() != '\0') {
        fail(kSaveFailedMessageA);
    }
    return success_;
}

bool Transmission::saveOverParallel() {
    feedback_.setPanelText(kStatusPanel, "Saving parameters");
    link_.SendString(kSaveCommand);
    link_.timing().Delay(100);
    std::uint8_t reply = 0;
    if (!link_.parallel().ByteModeRead(reply) || reply != 0) {
        fail(kSaveFailedMessageA);
        feedback_.setPanelText(kStatusPanel, kSaveFailedStatus);
    }
    link_.parallel().CloseLPT();
    feedback_.message(MessageIcon::Information,
                      "Please reboot your printer by powering it down, then up.\r\n"
                      "Then, perform a printer detection again...");
    feedback_.enablePrinterCommands(true);
    return success_;
}

} // namespace tessaro::protocol
