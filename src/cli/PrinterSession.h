// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer link of the command line: the real serial and parallel adapters (or the
// in-process virtual printer on an LPT set to "virtual"), a sleeping clock, the terminal as
// user feedback, and detection on one chosen port.

#include "cli/TerminalFeedback.h"
#include "detect/Detection.h"
#include "link/Clock.h"
#include "link/PortRef.h"
#include "link/PrinterLink.h"

#include <memory>
#include <optional>
#include <string>

namespace tessaro::cli {

// What is said of a port text PortRef::parse does not take, on one line.
std::string unknownPortText(std::string_view text);

class PrinterSession {
  public:
    PrinterSession(const link::PortRef& port, TerminalFeedback& feedback);
    ~PrinterSession();

    detect::Detection& detection() { return detection_; }
    link::SubCom& link() { return printerLink_.link(); }
    link::PrinterFacts& facts() { return printerLink_.session().printer; }
    const link::PortRef& port() const { return port_; }
    // The device (or network address) of the port the link settings name now.
    std::string device();
    // The port the link settings name now, as --port takes it: "COM1", "LPT2", "USB1", or the
    // device path or tcp:// address given for it.
    std::string portName();

    // The detection on the chosen port, at this speed and handshake for a serial one (0
    // Xon-Xoff, 1 DSR/DTR).
    detect::DetectionResult detect(std::string_view speed, int handshakeIndex);

    // The port a detection settled on; before one did, the port chosen.
    link::PortRef currentPort();

  private:
    link::PortRef port_;
    TerminalFeedback& feedback_;
    link::SteadyClock clock_;
    link::PrinterLink printerLink_;
    detect::Detection detection_;
};

} // namespace tessaro::cli
