// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer link of the command line: the real serial and parallel adapters (or the
// in-process virtual printer on an LPT set to "virtual"), a sleeping clock (whose delays end
// at once when the operation is stopped), the terminal as user feedback, and detection on one
// chosen port.

#include "detect/Detection.h"
#include "detect/SpeedSearch.h"
#include "link/Clock.h"
#include "link/PortRef.h"
#include "link/PrinterLink.h"
#include "station/UnitFeedback.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tessaro::link {
class Cancellation;
}

namespace tessaro::station {

// A port with the devices this machine's ports stand for: a device path that is one of them
// becomes that port ("COM 2"). Finding them reads the system's port lists, which a station
// reads once for all its workers (station/PortFinder.h).
struct ResolvedPort {
    link::PortRef port;
    link::PortMap ports;
};
// With the system's ports as read before (link::PortMap::fromSystem).
ResolvedPort resolvePort(const link::PortRef& port, const link::PortMap& system);
// Reads the system's ports.
ResolvedPort resolvePort(const link::PortRef& port);

class PrinterSession {
  public:
    // stop, when given, ends the link's delays at once once raised.
    PrinterSession(const link::PortRef& port, UnitFeedback& feedback,
                   const link::Cancellation* stop = nullptr);
    PrinterSession(ResolvedPort port, UnitFeedback& feedback,
                   const link::Cancellation* stop = nullptr);
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
    // The port a detection settled on; before one did, the port chosen.
    link::PortRef currentPort();

    // The detection on the chosen port, at this speed and handshake for a serial one (0
    // Xon-Xoff, 1 DSR/DTR); at speed "auto", at the first of the search's speeds that
    // answers.
    detect::DetectionResult detect(std::string_view speed, int handshakeIndex);
    // Shows the speed search's steps as the feedback shows the automatic search's.
    detect::SpeedProgress searchProgress();

  private:
    link::PortRef port_;
    UnitFeedback& feedback_;
    link::SteadyClock clock_;
    link::PrinterLink printerLink_;
    detect::Detection detection_;
};

// What a detection came to, as the command line keeps it: its result line, when it probed a
// port, and the status bar it leaves (the printer's panels, printed once it was found).
void showDetection(UnitFeedback& feedback, const detect::DetectionResult& result);

// Sets up a command's printer session on a port: newSession, unless a station's worker
// hands one that takes its turn with the other workers (station/PortFinder.h).
using SessionMaker = std::function<std::unique_ptr<PrinterSession>(
    const link::PortRef& port, UnitFeedback& feedback, const link::Cancellation* stop)>;
std::unique_ptr<PrinterSession> newSession(const link::PortRef& port, UnitFeedback& feedback,
                                           const link::Cancellation* stop);

} // namespace tessaro::station
