// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/PrinterCommands.h"

namespace tessaro::protocol {

PrinterCommands::PrinterCommands(workspace::Workspace& workspace, Send send,
                                 protocol::UserFeedback& feedback)
    : workspace_(workspace), send_(std::move(send)), feedback_(feedback) {}

PrinterCommands::PrinterCommands(workspace::Workspace& workspace, Transmission& transmission,
                                 protocol::UserFeedback& feedback)
    : PrinterCommands(
          workspace, [&transmission](bool sendAll) { return transmission.SendParameters(sendAll); },
          feedback) {}

// The commands stay disabled from the question to the end of the run, so that a click
// handled during one of its waits cannot start a second transmission inside the first.
bool PrinterCommands::confirmAndSend(bool sendAll) {
    feedback_.enablePrinterCommands(false);
    bool stored = false;
    if (feedback_.askWhether({message::MessageId::ConfirmSend, {}})) {
        stored = send_(sendAll);
    }
    feedback_.enablePrinterCommands(true);
    return stored;
}

bool PrinterCommands::RecoverfactoryButton_Click() {
    feedback_.enablePrinterCommands(false);
    bool stored = false;
    if (feedback_.askWhether({message::MessageId::ConfirmRecover, {}})) {
        workspace_.defaultparam_Click();
        stored = send_(true);
    }
    feedback_.enablePrinterCommands(true);
    return stored;
}

} // namespace tessaro::protocol
