// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PrinterSession.h"

#include "cli/TerminalText.h"
#include "link/Ieee1284Ports.h"
#include "sim/VirtualLpt.h"

#include <cstdlib>
#include <filesystem>

namespace tessaro::cli {

std::optional<PortChoice> parsePort(std::string_view text) {
    struct Family {
        std::string_view prefix;
        link::LinkKind kind;
        int count;
    };
    constexpr Family kFamilies[] = {{"COM", link::LinkKind::Serial, link::kComPorts},
                                    {"LPT", link::LinkKind::Parallel, link::kLptPorts},
                                    {"USB", link::LinkKind::Usb, link::kUsbPorts}};
    for (const Family& family : kFamilies) {
        if (text.size() == 4 && text.starts_with(family.prefix)) {
            const int n = text[3] - '0';
            if (n >= 1 && n <= family.count) {
                return PortChoice{family.kind, n, ""};
            }
            return std::nullopt;
        }
    }
    if (text.starts_with("tcp://")) {
        return PortChoice{link::LinkKind::Network, 1, std::string(text.substr(6))};
    }
    if (text.starts_with("/dev/parport")) {
        return PortChoice{link::LinkKind::Parallel, 1, std::string(text)};
    }
    if (text.starts_with("/dev/usb/lp")) {
        return PortChoice{link::LinkKind::Usb, 1, std::string(text)};
    }
    if (text.find('/') != std::string_view::npos) {
        return PortChoice{link::LinkKind::Serial, 1, std::string(text)};
    }
    return std::nullopt;
}

std::string unknownPortText(std::string_view text) {
    return "Unknown port \"" + oneLine(text) +
           "\": use COM1..COM6, LPT1, LPT2, USB1..USB4, tcp://HOST[:PORT] or a device path";
}

namespace {

// A device path given on the command line stands in for COM1, LPT1 or USB1 as its kind says.
link::PortMap portMapFor(const PortChoice& port, const link::PortMap& system) {
    if (port.device.empty() || port.kind == link::LinkKind::Network) {
        return system;
    }
    const std::string device = port.device;
    const bool parallel = port.kind == link::LinkKind::Parallel;
    const std::string name = parallel                           ? "TESSARO_LPT1"
                             : port.kind == link::LinkKind::Usb ? "TESSARO_USB1"
                                                                : "TESSARO_COM1";
    link::PortMap map({},
                      parallel ? link::kernelParallelPorts() : std::vector<link::ParallelDevice>{},
                      [device, name](const std::string& asked) -> std::optional<std::string> {
                          if (asked == name) {
                              return device;
                          }
                          const char* value = std::getenv(asked.c_str());
                          return value ? std::optional<std::string>(value) : std::nullopt;
                      });
    map.showByDevice(!parallel);
    return map;
}

// A serial or USB device path that is one of the mapped ports is that port ("COM 2"); any
// other stands in for COM1 or USB1 and is shown by its path.
PortChoice mappedPort(PortChoice port, const link::PortMap& system) {
    const bool usb = port.kind == link::LinkKind::Usb;
    if (port.device.empty() || (!usb && port.kind != link::LinkKind::Serial)) {
        return port;
    }
    for (int n = 1; n <= (usb ? link::kUsbPorts : link::kComPorts); ++n) {
        const std::string device = usb ? system.usbDevice(n) : system.comDevice(n);
        std::error_code ec;
        if (!device.empty() &&
            (device == port.device || std::filesystem::equivalent(device, port.device, ec))) {
            return {port.kind, n, ""};
        }
    }
    return port;
}

} // namespace

ResolvedPort resolvePort(const PortChoice& port, const link::PortMap& system) {
    PortChoice mapped = mappedPort(port, system);
    link::PortMap ports = portMapFor(mapped, system);
    return {std::move(mapped), std::move(ports)};
}

ResolvedPort resolvePort(const PortChoice& port) {
    // A parallel port's device path is taken as it is: the system's lists are not needed.
    const bool byParallelDevice = !port.device.empty() && port.kind == link::LinkKind::Parallel;
    return resolvePort(port,
                       byParallelDevice ? link::PortMap({}, {}, {}) : link::PortMap::fromSystem());
}

PrinterSession::PrinterSession(const PortChoice& port, TerminalFeedback& feedback,
                               const link::Cancellation* stop)
    : PrinterSession(resolvePort(port), feedback, stop) {}

PrinterSession::PrinterSession(ResolvedPort port, TerminalFeedback& feedback,
                               const link::Cancellation* stop)
    : port_(std::move(port.port)), feedback_(feedback), clock_(stop),
      printerLink_(std::move(port.ports), clock_, feedback_, sim::makeVirtualLpt),
      detection_(printerLink_.link(), printerLink_.portIO(), facts(), feedback_, view_) {
    if (port_.kind == link::LinkKind::Network) {
        printerLink_.link().setNetworkAddress(port_.device);
    }
    link::PortIO& portIO = printerLink_.portIO();
    if (!printerLink_.parallel().InitDll() && port_.kind == link::LinkKind::Parallel &&
        !portIO.failure().empty()) {
        feedback_.err() << portIO.failure() << "\n";
    }
}

PrinterSession::~PrinterSession() {
    printerLink_.parallel().CloseDll();
}

// The port a detection settled on; before one did, the port chosen.
PortChoice PrinterSession::currentPort() {
    const link::LinkSettings& settings = link().settings();
    if (settings.PortNumber == 0) {
        return port_;
    }
    return {settings.PortKind, settings.PortNumber,
            settings.PortKind == port_.kind ? port_.device : ""};
}

std::string PrinterSession::device() {
    const PortChoice port = currentPort();
    const link::PortMap& ports = printerLink_.ports();
    switch (port.kind) {
    case link::LinkKind::Serial:
        return ports.comDevice(port.number);
    case link::LinkKind::Usb:
        return ports.usbDevice(port.number);
    case link::LinkKind::Network:
        return link().networkName();
    case link::LinkKind::Parallel:
        break;
    }
    const std::string name = "LPT" + std::to_string(port.number);
    for (const link::PortLine& line : ports.lines()) {
        if (line.name == name) {
            return line.device;
        }
    }
    return "";
}

std::string PrinterSession::portName() {
    const PortChoice port = currentPort();
    if (!port.device.empty()) {
        return port.kind == link::LinkKind::Network ? "tcp://" + port.device : port.device;
    }
    const char* family = port.kind == link::LinkKind::Serial     ? "COM"
                         : port.kind == link::LinkKind::Parallel ? "LPT"
                                                                 : "USB";
    return family + std::to_string(port.number);
}

bool PrinterSession::detect() {
    switch (port_.kind) {
    case link::LinkKind::Serial:
        view_.com = port_.number;
        return detection_.DetectSerialPrinter_Click();
    case link::LinkKind::Usb:
        return detection_.DetectUsbPrinter(port_.number);
    case link::LinkKind::Network:
        return detection_.DetectNetworkPrinter(port_.device);
    case link::LinkKind::Parallel:
        break;
    }
    view_.lpt = port_.number;
    return detection_.DetectParallelPrinter_Click();
}

std::unique_ptr<PrinterSession> newSession(const PortChoice& port, TerminalFeedback& feedback,
                                           const link::Cancellation* stop) {
    return std::make_unique<PrinterSession>(port, feedback, stop);
}

} // namespace tessaro::cli
