// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four printer commands of the main window: "Set modified parameters as printer
// default" (button and menu) and "Recover Factory Settings" (button and menu).

#include "protocol/Transmission.h"
#include "protocol/UserFeedback.h"
#include "workspace/Workspace.h"

#include <functional>

namespace tessaro::protocol {

class PrinterCommands {
  public:
    // How the parameters reach the printer: the modified ones, or with sendAll every one;
    // true only when the printer stored them.
    using Send = std::function<bool(bool sendAll)>;

    PrinterCommands(workspace::Workspace& workspace, Send send, protocol::UserFeedback& feedback);
    PrinterCommands(workspace::Workspace& workspace, Transmission& transmission,
                    protocol::UserFeedback& feedback);

    // Each returns true only when the printer stored the parameters.
    bool SetToPrinterButton_Click() { return confirmAndSend(false); }
    // The same question, then the modified parameters or, with sendAll, every one.
    bool confirmAndSend(bool sendAll);
    bool saveparam_Click() { return SetToPrinterButton_Click(); }
    bool RecoverfactoryButton_Click();
    bool RecovDefault_Click() { return RecoverfactoryButton_Click(); }

  private:
    workspace::Workspace& workspace_;
    Send send_;
    protocol::UserFeedback& feedback_;
};

} // namespace tessaro::protocol
