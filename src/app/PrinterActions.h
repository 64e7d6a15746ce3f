// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window asks of the printer side: detecting a printer, sending the modified
// parameters, recovering the factory settings, and opening and closing the port driver.
// Each operation returns at once and calls done on the window's thread once it is over
// (after what it showed); the window is busy meanwhile. The defaults do nothing, so the window
// runs without a printer side installed.

#include "link/PortMap.h"

#include <functional>
#include <vector>

namespace tessaro::app {

class PrinterActions {
  public:
    virtual ~PrinterActions() = default;

    using Done = std::function<void()>;

    // Opens the port driver, once when the main window starts.
    virtual void startUp(Done done) { done(); }
    // Closes the port and the port driver as the main window closes; nothing waits for it.
    virtual void shutDown() {}

    // "Detect the printer": the port selection window and the detection.
    virtual void detect(Done done) { done(); }
    // "Set modified parameters as printer default".
    virtual void sendModified(Done done) { done(); }
    // "Recover Factory Settings".
    virtual void recoverFactory(Done done) { done(); }
    // The window is closing: a detection under way is stopped at its next wait and its window
    // closed; a transmission is let finish.
    virtual void stop() {}

    // The numbered ports that are there, with their devices, for the production station.
    // The printer side reads them on its worker, as the port window does: found is called
    // with them on the window's thread.
    using PortsFound = std::function<void(std::vector<link::PortLine>)>;
    virtual void presentPorts(PortsFound found) { found(present(link::PortMap::fromSystem())); }

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
