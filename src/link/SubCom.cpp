// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SubCom.h"

#include "link/PortDiagnosis.h"

#include <filesystem>

namespace tessaro::link {

SubCom::SubCom(Session& session, SerialControl& serial, ParallelWinIO& parallel, tempo& timing,
               Notifier& feedback, const PortMap& ports)
    : session_(session), serial_(serial), parallel_(parallel), tempo_(timing), ports_(ports),
      usb_(ports), serialLink_(serial, timing, LinkKind::Serial, {}, &ports),
      parallelLink_(parallel, timing, feedback, session.link),
      usbLink_(usb_, timing, LinkKind::Usb,
               [&ports](int port) { return ports.shownName(true, port); }),
      networkLink_(network_, timing, LinkKind::Network,
                   [this](int) { return network_.shownAddress(); }) {}

namespace {

int deviceExists(const std::string& device) {
    std::error_code ignored;
    return !device.empty() && std::filesystem::exists(device, ignored) ? 1 : 0;
}

} // namespace

int SubCom::ComPortExists(int n) const {
    return deviceExists(ports_.comDevice(n));
}

int SubCom::UsbPortExists(int n) const {
    return deviceExists(ports_.usbDevice(n));
}

std::string SubCom::absentPortReason(LinkKind kind, int n) const {
    const char* prefix = kind == LinkKind::Serial ? "COM" : kind == LinkKind::Usb ? "USB" : "LPT";
    const char* what = kind == LinkKind::Serial ? "serial port"
                       : kind == LinkKind::Usb  ? "USB printer"
                                                : "parallel port";
    const std::string name = prefix + std::to_string(n);
    const std::string device = kind == LinkKind::Serial ? ports_.comDevice(n)
                               : kind == LinkKind::Usb  ? ports_.usbDevice(n)
                                                        : ports_.lpt(n).device;
    if (device.empty()) {
        return name + ": no " + what + " has this number";
    }
    if (kind == LinkKind::Parallel) {
        return name + " (" + device + "): no such device";
    }
    return ports_.describe(kind == LinkKind::Usb, n) + ": " + vanished(device, "no such device");
}

Transport& SubCom::transport() {
    switch (session_.link.PortKind) {
    case LinkKind::Serial:
        return serialLink_;
    case LinkKind::Usb:
        return usbLink_;
    case LinkKind::Network:
        return networkLink_;
    case LinkKind::Parallel:
        break;
    }
    return parallelLink_;
}

std::string SubCom::OpenCom(int port, std::string_view speed, int handshake) {
    return serialLink_.open(port, speed, handshake);
}

void SubCom::CloseCom() {
    serialLink_.close();
}

std::string SubCom::OpenPort(int port, std::string_view speed, int handshake) {
    return transport().open(port, speed, handshake);
}

void SubCom::ClosePort(int) {
    transport().close();
}

// A parallel printer that stays busy loses the rest of the command: not examined here.
void SubCom::SendString(std::string_view command) {
    transport().write(command);
}

std::string SubCom::ReceiveString() {
    return transport().readReply();
}

std::uint8_t SubCom::ReceiveByte() {
    return transport().readByte();
}

void SubCom::discardInput() {
    transport().discardInput();
}

} // namespace tessaro::link
