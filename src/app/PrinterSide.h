// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer side of the desktop program: the printer's worker (its link, on a thread of its
// own, so the window keeps repainting while the printer is waited for), the port selection
// window and the printer commands, for the main window's menu entries and buttons.

#include "app/PrinterActions.h"
#include "protocol/PrinterCommands.h"
#include "worker/PrinterWorker.h"

namespace tessaro::app {

class Form1;

class PrinterSide final : public PrinterActions {
  public:
    PrinterSide(Form1& window, link::PortMap ports, worker::PrinterWorker::Prepare prepare = {});
    ~PrinterSide() override;

    void startUp() override;
    void shutDown() override;
    void detect() override;
    void sendModified() override;
    void recoverFactory() override;
    std::vector<link::PortLine> presentPorts() override;

  private:
    // Sends the workspace as it is now, on the worker.
    bool send(bool sendAll);

    Form1& window_;
    worker::PrinterWorker worker_;
    protocol::PrinterCommands commands_;
};

} // namespace tessaro::app
