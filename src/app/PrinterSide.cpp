// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrinterSide.h"

#include "app/Form1.h"
#include "app/PortSelection.h"
#include "app/QtUserFeedback.h"
#include "protocol/Transmission.h"
#include "sim/VirtualLpt.h"
#include "worker/PortInventory.h"

namespace tessaro::app {

PrinterSide::PrinterSide(Form1& window, link::PortMap ports, worker::PrinterWorker::Prepare prepare)
    : window_(window),
      worker_(std::move(ports), sim::makeVirtualLpt, window.feedback(), std::move(prepare)),
      commands_(
          window.workspace(), [this](bool sendAll) { return send(sendAll); }, window.feedback()) {}

PrinterSide::~PrinterSide() = default; // the worker closes its serial port

void PrinterSide::startUp() {
    worker_.run([](worker::WorkerLink& printer) { printer.printerLink().parallel().InitDll(); });
}

void PrinterSide::shutDown() {
    worker_.run([](worker::WorkerLink& printer) {
        printer.link().CloseCom();
        printer.printerLink().parallel().CloseDll();
    });
}

// A port the production station holds is not the window's to detect on: it is shown as
// unavailable.
void PrinterSide::detect() {
    auto inventory = worker_.look<worker::PortInventory>(worker::takeInventory);
    std::erase_if(inventory.present, [this](const link::PortRef& port) {
        return std::find(window_.stationPorts().begin(), window_.stationPorts().end(), port) !=
               window_.stationPorts().end();
    });
    PortSelection dialog(worker_, inventory, window_.feedback(), window_.remembered(), &window_);
    dialog.offerSearch(window_.stationPorts().empty());
    dialog.exec();
}

// The workspace is read as the question was answered: edits made while the printer is being
// written to are the next transmission's.
bool PrinterSide::send(bool sendAll) {
    return worker_.run<bool>(
        [workspace = window_.workspace(), sendAll](worker::WorkerLink& printer) mutable {
            protocol::Transmission transmission(workspace, printer.link(),
                                                printer.session().printer, printer.feedback());
            return transmission.SendParameters(sendAll);
        });
}

std::vector<link::PortLine> PrinterSide::presentPorts() {
    const auto inventory = worker_.look<worker::PortInventory>(worker::takeInventory);
    std::vector<link::PortLine> lines;
    for (const link::PortLine& line : inventory.ports.lines()) {
        if (inventory.exists(line.port)) {
            lines.push_back(line);
        }
    }
    return lines;
}

void PrinterSide::sendModified() {
    commands_.SetToPrinterButton_Click();
}

void PrinterSide::recoverFactory() {
    commands_.RecoverfactoryButton_Click();
}

} // namespace tessaro::app
