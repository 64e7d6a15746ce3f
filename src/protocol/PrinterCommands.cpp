// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/PrinterCommands.h"

namespace tessaro::protocol {

PrinterCommands::PrinterCommands(workspace::Workspace& workspace, Send send,
                                 protocol::UserFeedback& feedback)
    : workspace_(workspace), send_(std::move(send)), feedback_(feedback) {}

PrinterCommands::PrinterCommands(workspace::Workspace& workspace, Transmission& transmission,
                                 protocol::UserFeedback& feedback)
    : PrinterCommands(
          workspace,
          [&transmission](bool sendAll, const Stored& stored) {
              stored(transmission.SendParameters(sendAll));
          },
          feedback) {}

void PrinterCommands::confirmAndSend(bool sendAll, const Stored& stored) {
    if (!feedback_.askWhether({message::MessageId::ConfirmSend, {}})) {
        stored(false);
        return;
    }
    send_(sendAll, stored);
}

void PrinterCommands::recoverFactory(const Stored& stored) {
    if (!feedback_.askWhether({message::MessageId::ConfirmRecover, {}})) {
        stored(false);
        return;
    }
    workspace_.defaultparam_Click();
    send_(true, stored);
}

bool PrinterCommands::confirmAndSend(bool sendAll) {
    bool result = false;
    confirmAndSend(sendAll, [&result](bool stored) { result = stored; });
    return result;
}

bool PrinterCommands::RecoverfactoryButton_Click() {
    bool result = false;
    recoverFactory([&result](bool stored) { result = stored; });
    return result;
}

} // namespace tessaro::protocol
