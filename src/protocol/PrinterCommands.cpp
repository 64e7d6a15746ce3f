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

bool PrinterCommands::confirmAndSend(bool sendAll) {
    bool stored = false;
    if (feedback_.askWhether({message::MessageId::ConfirmSend, {}})) {
        stored = send_(sendAll);
    }
    return stored;
}

bool PrinterCommands::RecoverfactoryButton_Click() {
    bool stored = false;
    if (feedback_.askWhether({message::MessageId::ConfirmRecover, {}})) {
        workspace_.defaultparam_Click();
        stored = send_(true);
    }
    return stored;
}

} // namespace tessaro::protocol
