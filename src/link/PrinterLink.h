// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program's printer link put together from its parts: the port map, the serial device,
// the port I/O (libieee1284, or the virtual printer on an LPT set to
// "virtual", which the program hands in), the parallel driver, the delays and the link
// settings. The window and the command line differ only in their clock and their user
// feedback.

#include "link/Clock.h"
#include "link/Notifier.h"
#include "link/ParallelWinIO.h"
#include "link/PortMap.h"
#include "link/SerialDevice.h"
#include "link/SubCom.h"
#include "link/tempo.h"

#include <functional>
#include <memory>

namespace tessaro::link {

class PrinterLink {
  public:
    // The virtual printer on LPT n, on the program's clock; an LPT set to "virtual" uses it.
    using VirtualLpt = std::function<std::unique_ptr<PortIO>(int lpt, Clock& clock)>;

    PrinterLink(PortMap ports, Clock& clock, Notifier& feedback, const VirtualLpt& virtualLpt);
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;
    ~PrinterLink(); // leaves no serial port open

    SubCom& link() { return link_; }
    Session& session() { return session_; }
    PortIO& portIO() { return *portIO_; }
    ParallelWinIO& parallel() { return parallel_; }
    const PortMap& ports() const { return ports_; }
    // Reads the plugged-in serial and USB devices again.
    void refreshPorts() { ports_.refresh(); }

  private:
    PortMap ports_;
    SerialDevice serial_;
    std::unique_ptr<PortIO> portIO_;
    ParallelWinIO parallel_;
    tempo timing_;
    Session session_;
    SubCom link_;
};

} // namespace tessaro::link
