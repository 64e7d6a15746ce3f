// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/PrinterSession.h"

#include "detect/SpeedSearch.h"
#include "message/English.h"
#include "sim/VirtualLpt.h"
#include "station/PrinterOptions.h"

namespace tessaro::station {

// An LPT given by its device path is LPT1 of the session; a serial or USB device path that
// is one of the mapped ports is that port ("COM 2"), any other is shown by its path.
ResolvedPort resolvePort(const link::PortRef& port, const link::PortMap& system) {
    link::PortMap ports = system;
    link::PortRef mapped = port.row().resolve(port, ports);
    return {std::move(mapped), std::move(ports)};
}

ResolvedPort resolvePort(const link::PortRef& port) {
    return resolvePort(port, link::PortMap::fromSystem());
}

PrinterSession::PrinterSession(const link::PortRef& port, UnitFeedback& feedback,
                               const link::Cancellation* stop)
    : PrinterSession(resolvePort(port), feedback, stop) {}

PrinterSession::PrinterSession(ResolvedPort port, UnitFeedback& feedback,
                               const link::Cancellation* stop)
    : port_(std::move(port.port)), feedback_(feedback), clock_(stop),
      printerLink_(std::move(port.ports), clock_, feedback_, sim::makeVirtualLpt),
      detection_(printerLink_.link(), printerLink_.portIO(), facts(), feedback_) {
    printerLink_.link().setCancellation(stop);
    detection_.setCancellation(stop);
    link::PortIO& portIO = printerLink_.portIO();
    if (!printerLink_.parallel().InitDll() &&
        port_.row().exchange == link::Exchange::ParallelRegisters) {
        if (const message::Failure failure = portIO.failure()) {
            feedback_.diagnose(*failure);
        }
    }
}

PrinterSession::~PrinterSession() {
    printerLink_.parallel().CloseDll();
}

link::PortRef PrinterSession::currentPort() {
    const link::LinkSettings& settings = link().settings();
    return settings.PortChosen ? settings.Port : port_;
}

std::string PrinterSession::device() {
    const link::PortRef port = currentPort();
    return port.row().deviceText(printerLink_.ports(), port);
}

std::string PrinterSession::portName() {
    return currentPort().text();
}

detect::DetectionResult PrinterSession::detect(std::string_view speed, int handshakeIndex) {
    detect::DetectionResult result =
        speed == kAnySpeed
            ? detect::detectAtAnySpeed(detection_, port_, handshakeIndex, searchProgress())
            : detection_.detectOn(port_, speed, handshakeIndex);
    showDetection(feedback_, result);
    return result;
}

void showDetection(UnitFeedback& feedback, const detect::DetectionResult& result) {
    if (result.probed) {
        feedback.showDetectionResult(result.said);
    }
    if (!result.panels.empty()) {
        feedback.showStatusPanels(result.panels);
    }
}

detect::SpeedProgress PrinterSession::searchProgress() {
    return [this](int step, int total, std::string_view text) {
        feedback_.showSearchStep(step, total, text);
    };
}

std::unique_ptr<PrinterSession> newSession(const link::PortRef& port, UnitFeedback& feedback,
                                           const link::Cancellation* stop) {
    return std::make_unique<PrinterSession>(port, feedback, stop);
}

} // namespace tessaro::station
