// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrinterSide.h"

#include "app/Form1.h"
#include "app/PortSelection.h"
#include "app/QtUserFeedback.h"
#include "protocol/Transmission.h"
#include "sim/VirtualLpt.h"
#include "worker/PortInventory.h"

namespace tessaro::app {

PrinterSide::PrinterSide(Form1& window, link::PortMap ports,
                         worker::PrinterOperations::Prepare prepare)
    : window_(window),
      worker_(std::move(ports), sim::makeVirtualLpt, window.feedback(), std::move(prepare)),
      commands_(
          window.workspace(),
          [this](bool sendAll, protocol::PrinterCommands::Stored stored) {
              startSending(sendAll, std::move(stored));
          },
          window.feedback()) {}

// The port selection window goes first: it uses the worker. The worker then closes its
// serial port.
PrinterSide::~PrinterSide() {
    if (dialog_) {
        dialog_->disconnect();
        delete dialog_;
    }
}

worker::PrinterOperations::Failed PrinterSide::sayFailure(Done done) {
    return [this, done = std::move(done)](const std::string& what) {
        window_.feedback().show(link::MessageIcon::Critical, QString::fromUtf8(what.c_str()));
        done();
    };
}

void PrinterSide::startUp(Done done) {
    worker_.start([](worker::WorkerLink& printer) { printer.printerLink().parallel().InitDll(); },
                  done, sayFailure(done));
}

void PrinterSide::shutDown() {
    worker_.start(
        [](worker::WorkerLink& printer) {
            printer.link().CloseCom();
            printer.printerLink().parallel().CloseDll();
        },
        [] {}, [](const std::string&) {});
}

// A detection is stopped and its window closed; a transmission is let finish (it is short,
// and its printer is left as the saving sequence said).
void PrinterSide::stop() {
    if (dialog_ && dialog_->isVisible()) {
        dialog_->closeWhenEnded();
    }
}

// A port the production station holds is not the window's to detect on: it is shown as
// unavailable.
void PrinterSide::detect(Done done) {
    worker_.start<worker::PortInventory>(
        worker::takeInventory,
        [this, done](worker::PortInventory inventory) {
            std::erase_if(inventory.present, [this](const link::PortRef& port) {
                return std::find(window_.stationPorts().begin(), window_.stationPorts().end(),
                                 port) != window_.stationPorts().end();
            });
            // The window of the last detection goes when the next one opens.
            delete dialog_;
            dialog_ = new PortSelection(worker_, inventory, window_.feedback(),
                                        window_.remembered(), &window_);
            dialog_->offerSearch(window_.stationPorts().empty());
            dialog_->onPortsInUse(
                [this](PortsInUse ports) { window_.setPortsInUse(std::move(ports)); });
            QObject::connect(dialog_, &QDialog::finished, dialog_, [done] { done(); });
            dialog_->open();
        },
        sayFailure(done));
}

// The printer commands stay disabled from the question to the printer's answer.
void PrinterSide::runCommand(
    const std::function<void(const protocol::PrinterCommands::Stored&)>& command, Done done) {
    QtUserFeedback& feedback = window_.feedback();
    feedback.enablePrinterCommands(false);
    command([&feedback, done = std::move(done)](bool) {
        feedback.enablePrinterCommands(true);
        done();
    });
}

// The workspace is read as the question was answered: edits made while the printer is being
// written to are the next transmission's.
void PrinterSide::startSending(bool sendAll, protocol::PrinterCommands::Stored stored) {
    if (const auto& chosen = window_.remembered().port()) {
        window_.setPortsInUse({false, {chosen->port}});
    }
    QtUserFeedback& feedback = window_.feedback();
    feedback.setBusy(true);
    worker_.start<bool>(
        [workspace = window_.workspace(), sendAll](worker::WorkerLink& printer) mutable {
            protocol::Transmission transmission(workspace, printer.link(),
                                                printer.session().printer, printer.feedback());
            return transmission.SendParameters(sendAll);
        },
        [&feedback, stored](bool saved) {
            feedback.setBusy(false);
            stored(saved);
        },
        [&feedback, stored](const std::string& what) {
            feedback.setBusy(false);
            feedback.show(link::MessageIcon::Critical, QString::fromUtf8(what.c_str()));
            stored(false);
        });
}

void PrinterSide::sendModified(Done done) {
    runCommand([this](const auto& stored) { commands_.confirmAndSend(false, stored); },
               std::move(done));
}

void PrinterSide::recoverFactory(Done done) {
    runCommand([this](const auto& stored) { commands_.recoverFactory(stored); }, std::move(done));
}

void PrinterSide::presentPorts(PortsFound found) {
    worker_.start<worker::PortInventory>(
        worker::takeInventory,
        [found = std::move(found)](const worker::PortInventory& inventory) {
            std::vector<link::PortLine> lines;
            for (const link::PortLine& line : inventory.ports.lines()) {
                if (inventory.exists(line.port)) {
                    lines.push_back(line);
                }
            }
            found(std::move(lines));
        },
        [this](const std::string& what) {
            window_.feedback().show(link::MessageIcon::Critical, QString::fromUtf8(what.c_str()));
        });
}

} // namespace tessaro::app
