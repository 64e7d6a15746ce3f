// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window asks of the printer side: detecting a printer, sending the modified
// parameters, recovering the factory settings, and opening and closing the port driver.
// The defaults do nothing, so the window runs without a printer side installed.

#include "link/PortMap.h"

#include <vector>

namespace tessaro::app {

class PrinterActions {
  public:
    virtual ~PrinterActions() = default;

    // Run once when the main window starts and once when it closes (the port driver).
    virtual void startUp() {}
    virtual void shutDown() {}

    // "Detect the printer": the port selection window and the detection.
    virtual void detect() {}
    // "Set modified parameters as printer default".
    virtual void sendModified() {}
    // "Recover Factory Settings".
    virtual void recoverFactory() {}

    // The numbered ports that are there, with their devices, for the production station.
    // The printer side reads them on its worker, as the port window does.
    virtual std::vector<link::PortLine> presentPorts() {
        return present(link::PortMap::fromSystem());
    }

    // True while an operation runs. An operation may run a nested event loop while it
    // waits for the printer: the window refuses other operations and holds back closing
    // until this turns false.
    virtual bool busy() const { return false; }

  protected:
    static std::vector<link::PortLine> present(const link::PortMap& ports) {
        std::vector<link::PortLine> lines;
        for (const link::PortLine& line : ports.lines()) {
            if (line.present) {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

} // namespace tessaro::app
