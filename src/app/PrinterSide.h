// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer side of the desktop program: the link to the printer on the window's clock,
// the port selection window, the transmission and the printer's facts, for the main
// window's menu entries and buttons.

#include "app/PrinterActions.h"
#include "link/EventLoopClock.h"
#include "link/PrinterLink.h"
#include "protocol/PrinterCommands.h"
#include "protocol/Transmission.h"

#include <memory>

namespace tessaro::app {

class Form1;

class PrinterSide final : public PrinterActions {
  public:
    PrinterSide(Form1& window, link::PortMap ports);
    ~PrinterSide() override;

    void startUp() override;
    void shutDown() override;
    void detect() override;
    void sendModified() override;
    void recoverFactory() override;
    bool busy() const override { return busy_; }

    link::LinkSettings& settings() { return printerLink_.link().settings(); }
    link::PrinterFacts& facts() { return printerLink_.session().printer; }

  private:
    Form1& window_;
    link::EventLoopClock clock_;
    link::PrinterLink printerLink_;
    protocol::Transmission transmission_;
    protocol::PrinterCommands commands_;
    bool busy_ = false;
};

} // namespace tessaro::app
