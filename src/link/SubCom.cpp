// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SubCom.h"

#include "link/PortDiagnosis.h"

namespace tessaro::link {

SubCom::SubCom(Session& session, SerialControl& serial, ParallelWinIO& parallel, tempo& timing,
               Notifier& feedback, const PortMap& ports)
    : session_(session), serial_(serial), parallel_(parallel), tempo_(timing), ports_(ports),
      usb_(ports, timing.clock()), serialLink_(serial, timing, LinkKind::Serial),
      parallelLink_(parallel, timing, feedback, session.link),
      usbLink_(usb_, timing, LinkKind::Usb, [](const PortRef& port) { return port.shownName(); }),
      network_(timing.clock()),
      networkLink_(network_, timing, LinkKind::Network,
                   [this](const PortRef&) { return network_.shownAddress(); }),
      serialServer_(timing.clock()), serialServerLink_(serialServer_, timing, LinkKind::Rfc2217) {}

int SubCom::ComPortExists(int n) const {
    return ports_.exists(PortRef::numbered(LinkKind::Serial, n)) ? 1 : 0;
}

int SubCom::UsbPortExists(int n) const {
    return ports_.exists(PortRef::numbered(LinkKind::Usb, n)) ? 1 : 0;
}

bool SubCom::portExists(const PortRef& port) const {
    return ports_.exists(port);
}

std::string SubCom::absentPortReason(const PortRef& port) const {
    const std::string device = ports_.deviceOf(port);
    if (device.empty()) {
        return port.shownText() + ": no " + std::string(port.row().what) + " has this number";
    }
    if (port.kind() == LinkKind::Parallel) {
        return ports_.describe(port) + ": no such device";
    }
    return ports_.describe(port) + ": " + vanished(device, "no such device");
}

Transport& SubCom::transport() {
    return transport(session_.link.Port.kind());
}

Transport& SubCom::transport(LinkKind kind) {
    switch (kind) {
    case LinkKind::Serial:
        return serialLink_;
    case LinkKind::Usb:
        return usbLink_;
    case LinkKind::Network:
        return networkLink_;
    case LinkKind::Rfc2217:
        return serialServerLink_;
    case LinkKind::Parallel:
        break;
    }
    return parallelLink_;
}

std::string SubCom::OpenCom(int port, std::string_view speed, int handshake) {
    return serialLink_.open(PortRef::numbered(LinkKind::Serial, port), speed, handshake);
}

void SubCom::CloseCom() {
    serialLink_.close();
}

void SubCom::startOperation() {
    serial_.startOperation();
    usb_.startOperation();
}

std::string SubCom::OpenPort(const PortRef& port, std::string_view speed, int handshake) {
    if (port.kind() == LinkKind::Network) {
        network_.setAddress(port.address());
    }
    return transport(port.kind()).open(port, speed, handshake);
}

void SubCom::ClosePort() {
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
