// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrinterSession.h"

#include "cli/TerminalText.h"
#include "link/Ieee1284Ports.h"
#include "sim/VirtualLpt.h"

#include <iostream>

namespace tessaro::cli {

std::string unknownPortText(std::string_view text) {
    return link::PortRef::unknownText(oneLine(text));
}

namespace {

// The ports of this machine; an LPT given by its device path is LPT1 of the session.
link::PortMap portMapFor(const link::PortRef& port) {
    link::PortMap map = link::PortMap::fromSystem();
    if (port.kind() == link::LinkKind::Parallel && port.byDevice()) {
        map.assignLpt1(port.device());
    }
    return map;
}

} // namespace

// A serial or USB device path that is one of the mapped ports is that port ("COM 2"); any
// other is shown by its path.
PrinterSession::PrinterSession(const link::PortRef& port, TerminalFeedback& feedback)
    : port_(port), feedback_(feedback),
      printerLink_(portMapFor(port), clock_, feedback_, sim::makeVirtualLpt),
      detection_(printerLink_.link(), printerLink_.portIO(), facts(), feedback_) {
    port_ = printerLink_.ports().numberedIfMapped(port);
    link::PortIO& portIO = printerLink_.portIO();
    if (!printerLink_.parallel().InitDll() && port_.kind() == link::LinkKind::Parallel &&
        !portIO.failure().empty()) {
        std::cerr << portIO.failure() << "\n";
    }
}

PrinterSession::~PrinterSession() {
    printerLink_.parallel().CloseDll();
}

// The port a detection settled on; before one did, the port chosen.
link::PortRef PrinterSession::currentPort() {
    const link::LinkSettings& settings = link().settings();
    return settings.PortChosen ? settings.Port : port_;
}

std::string PrinterSession::device() {
    const link::PortRef port = currentPort();
    if (port.kind() == link::LinkKind::Network) {
        return link().networkName();
    }
    return printerLink_.ports().deviceOf(port);
}

std::string PrinterSession::portName() {
    return currentPort().text();
}

detect::DetectionResult PrinterSession::detect(std::string_view speed, int handshakeIndex) {
    detect::DetectionResult result = detection_.detectOn(port_, speed, handshakeIndex);
    if (result.probed) {
        feedback_.setDetectionResult(result.text);
    }
    return result;
}

} // namespace tessaro::cli
