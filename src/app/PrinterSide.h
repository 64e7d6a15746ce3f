// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer side of the desktop program: the printer's worker (its link, on a thread of its
// own, so the window keeps repainting while the printer is waited for), the port selection
// window and the printer commands, for the main window's menu entries and buttons.

#include "app/PrinterActions.h"
#include "protocol/PrinterCommands.h"
#include "worker/PrinterOperations.h"

#include <QPointer>

namespace tessaro::app {

class Form1;
class PortSelection;

class PrinterSide final : public PrinterActions {
  public:
    PrinterSide(Form1& window, link::PortMap ports,
                worker::PrinterOperations::Prepare prepare = {});
    ~PrinterSide() override;

    void startUp(Done done) override;
    void shutDown() override;
    void detect(Done done) override;
    void sendModified(Done done) override;
    void recoverFactory(Done done) override;
    void stop() override;
    void presentPorts(PortsFound found) override;

  private:
    // Runs a printer command (its question, then the sending) and calls done once the printer
    // has answered or the question was answered no.
    void runCommand(const std::function<void(const protocol::PrinterCommands::Stored&)>& command,
                    Done done);
    // Sends the workspace as it is now on the worker; stored is told the printer's answer.
    void startSending(bool sendAll, protocol::PrinterCommands::Stored stored);
    // What an operation threw, said in a message box; done is called after it.
    worker::PrinterOperations::Failed sayFailure(Done done);

    Form1& window_;
    worker::PrinterOperations worker_;
    protocol::PrinterCommands commands_;
    QPointer<PortSelection> dialog_; // the port selection window of the last detection
};

} // namespace tessaro::app
