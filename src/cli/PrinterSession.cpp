#include "cli/PrinterSession.h"

#include "link/Ieee1284Ports.h"
#include "sim/VirtualLpt.h"

#include <cstdlib>
#include <iostream>

namespace tessaro::cli {

std::optional<PortChoice> parsePort(std::string_view text) {
    if (text.size() == 4 && (text.starts_with("COM") || text.starts_with("LPT"))) {
        const int n = text[3] - '0';
        const bool serial = text.starts_with("COM");
        if (n >= 1 && n <= (serial ? link::kComPorts : link::kLptPorts)) {
            return PortChoice{serial, n, ""};
        }
        return std::nullopt;
    }
    if (text.starts_with("/dev/parport")) {
        return PortChoice{false, 1, std::string(text)}; // the parallel port on that device
    }
    if (text.find('/') != std::string_view::npos) {
        return PortChoice{true, 1, std::string(text)};
    }
    return std::nullopt;
}

namespace {

// A device path given on the command line stands in for COM1, or LPT1 for a parallel one.
link::PortMap portMapFor(const PortChoice& port) {
    if (port.device.empty()) {
        return link::PortMap::fromSystem();
    }
    const std::string device = port.device;
    const std::string name = port.serial ? "TESSARO_COM1" : "TESSARO_LPT1";
    auto parallel = port.serial ? std::vector<link::ParallelDevice>{} : link::kernelParallelPorts();
    return link::PortMap({}, std::move(parallel),
                         [device, name](const std::string& asked) -> std::optional<std::string> {
                             if (asked == name) {
                                 return device;
                             }
                             const char* value = std::getenv(name.c_str());
                             return value ? std::optional<std::string>(value) : std::nullopt;
                         });
}

} // namespace

PrinterSession::PrinterSession(const PortChoice& port, TerminalFeedback& feedback)
    : port_(port), feedback_(feedback),
      printerLink_(portMapFor(port), clock_, feedback_, sim::makeVirtualLpt),
      detection_(printerLink_.link(), printerLink_.portIO(), facts_, feedback_, view_) {
    link::PortIO& portIO = printerLink_.portIO();
    if (!printerLink_.parallel().InitDll() && !port_.serial && !portIO.failure().empty()) {
        std::cerr << portIO.failure() << "\n";
    }
}

PrinterSession::~PrinterSession() {
    printerLink_.parallel().CloseDll();
}

bool PrinterSession::detect() {
    if (port_.serial) {
        view_.com = port_.number;
        return detection_.DetectSerialPrinter_Click();
    }
    view_.lpt = port_.number;
    return detection_.DetectParallelPrinter_Click();
}

} // namespace tessaro::cli
