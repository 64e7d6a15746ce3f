// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four printer commands of the main window: "Set modified parameters as printer
// default" (button and menu) and "Recover Factory Settings" (button and menu): the question,
// then the parameters sent. The command line runs them as they are; the window starts the
// sending on its printer's worker and hears of its end later.

#include "protocol/Transmission.h"
#include "protocol/UserFeedback.h"
#include "workspace/Workspace.h"

#include <functional>

namespace tessaro::protocol {

class PrinterCommands {
  public:
    // Told once the printer has answered: true only when it stored the parameters.
    using Stored = std::function<void(bool stored)>;
    // How the parameters reach the printer: the modified ones, or with sendAll every one;
    // stored is called once the printer has answered (at once or later).
    using Send = std::function<void(bool sendAll, Stored stored)>;

    PrinterCommands(workspace::Workspace& workspace, Send send, protocol::UserFeedback& feedback);
    // Sending through transmission, which answers before it returns.
    PrinterCommands(workspace::Workspace& workspace, Transmission& transmission,
                    protocol::UserFeedback& feedback);

    // Asks whether to send; when the answer is yes, sends the modified parameters or, with
    // sendAll, every one. stored is told false at once when the answer is no.
    void confirmAndSend(bool sendAll, const Stored& stored);
    // Asks whether to recover the factory settings; when the answer is yes, the workspace
    // takes them and every parameter is sent.
    void recoverFactory(const Stored& stored);

    // The same, for a Send that answers before it returns: true only when the printer stored
    // the parameters.
    bool confirmAndSend(bool sendAll);
    bool SetToPrinterButton_Click() { return confirmAndSend(false); }
    bool saveparam_Click() { return SetToPrinterButton_Click(); }
    bool RecoverfactoryButton_Click();
    bool RecovDefault_Click() { return RecoverfactoryButton_Click(); }

  private:
    workspace::Workspace& workspace_;
    Send send_;
    protocol::UserFeedback& feedback_;
};

} // namespace tessaro::protocol
