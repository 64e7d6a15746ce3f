// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrinterSide.h"

#include "app/Form1.h"
#include "app/PortSelection.h"
#include "app/QtUserFeedback.h"
#include "sim/VirtualLpt.h"

namespace tessaro::app {
namespace {

// Marks an operation as running for as long as it lasts, whatever way it ends.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { busy_ = false; }

  private:
    bool& busy_;
};

} // namespace

PrinterSide::PrinterSide(Form1& window, link::PortMap ports)
    : window_(window),
      printerLink_(std::move(ports), clock_, window.feedback(), sim::makeVirtualLpt),
      transmission_(window.workspace(), printerLink_.link(), facts(), window.feedback()),
      commands_(window.workspace(), transmission_, window.feedback()) {}

PrinterSide::~PrinterSide() = default; // the link closes its serial port

void PrinterSide::startUp() {
    printerLink_.parallel().InitDll();
}

void PrinterSide::shutDown() {
    printerLink_.link().CloseCom();
    printerLink_.parallel().CloseDll();
}

void PrinterSide::detect() {
    BusyScope scope(busy_);
    printerLink_.refreshPorts(); // an adapter plugged in since the last time shows
    PortSelection dialog(printerLink_.link(), printerLink_.portIO(), printerLink_.ports(), facts(),
                         window_.feedback(), window_.remembered(), &window_);
    dialog.exec();
}

void PrinterSide::sendModified() {
    BusyScope scope(busy_);
    commands_.SetToPrinterButton_Click();
}

void PrinterSide::recoverFactory() {
    BusyScope scope(busy_);
    commands_.RecoverfactoryButton_Click();
}

} // namespace tessaro::app
