#pragma once
// A program's printer link put together from its parts: the port map, the serial adapter on
// QSerialPort, the port I/O (libieee1284, or the virtual printer on an LPT set to
// "virtual"), the parallel driver, the delays and the link settings. The window and the
// command line differ only in their clock and their user feedback.

#include "link/Clock.h"
#include "link/ParallelWinIO.h"
#include "link/PortMap.h"
#include "link/QtSerialControl.h"
#include "link/SubCom.h"
#include "link/UserFeedback.h"
#include "link/tempo.h"

#include <memory>

namespace tessaro::sim {

class PrinterLink {
  public:
    PrinterLink(link::PortMap ports, link::Clock& clock, link::UserFeedback& feedback);
    PrinterLink(const PrinterLink&) = delete;
    PrinterLink& operator=(const PrinterLink&) = delete;
    ~PrinterLink(); // leaves no serial port open

    link::SubCom& link() { return link_; }
    link::PortIO& portIO() { return *portIO_; }
    link::ParallelWinIO& parallel() { return parallel_; }
    const link::PortMap& ports() const { return ports_; }

  private:
    link::PortMap ports_;
    link::QtSerialControl serial_;
    std::unique_ptr<link::PortIO> portIO_;
    link::ParallelWinIO parallel_;
    link::tempo timing_;
    link::LinkSettings settings_;
    link::SubCom link_;
};

} // namespace tessaro::sim
