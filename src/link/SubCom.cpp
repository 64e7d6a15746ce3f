// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SubCom.h"

#include "link/TransportParts.h"

namespace tessaro::link {

SubCom::SubCom(Session& session, SerialControl& serial, ParallelWinIO& parallel, tempo& timing,
               Notifier& feedback, const PortMap& ports)
    : session_(session), parallel_(parallel), tempo_(timing), ports_(ports) {
    const TransportParts parts{session, serial, parallel, timing, feedback, ports};
    for (const LinkKindDescriptor* kind : kLinkKinds) {
        transports_.at(rowIndex(kind->kind)) = kind->makeTransport(parts);
    }
}

int SubCom::ComPortExists(int n) const {
    return ports_.exists(PortRef::numbered(LinkKind::Serial, n)) ? 1 : 0;
}

int SubCom::UsbPortExists(int n) const {
    return ports_.exists(PortRef::numbered(LinkKind::Usb, n)) ? 1 : 0;
}

bool SubCom::portExists(const PortRef& port) const {
    return ports_.exists(port);
}

void SubCom::setNameResolver(const std::shared_ptr<const NameResolver>& resolver) {
    for (const auto& transport : transports_) {
        transport->setNameResolver(resolver);
    }
}

void SubCom::setCancellation(const Cancellation* stop) {
    for (const auto& transport : transports_) {
        transport->setCancellation(stop);
    }
}

Transport& SubCom::transport() {
    return transport(session_.link.Port.kind());
}

Transport& SubCom::transport(LinkKind kind) {
    return *transports_.at(rowIndex(kind));
}

message::Failure SubCom::OpenCom(int port, std::string_view speed, int handshake) {
    return transport(LinkKind::Serial)
        .open(PortRef::numbered(LinkKind::Serial, port), speed, handshake);
}

void SubCom::CloseCom() {
    transport(LinkKind::Serial).close();
}

void SubCom::startOperation() {
    for (const auto& transport : transports_) {
        transport->startOperation();
    }
}

message::Failure SubCom::OpenPort(const PortRef& port, std::string_view speed, int handshake) {
    lastOpened_.at(rowIndex(port.kind())) = port;
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

std::optional<std::uint8_t> SubCom::ReceiveByte(int waitMs) {
    return transport().readByte(waitMs);
}

void SubCom::discardInput() {
    transport().discardInput();
}

} // namespace tessaro::link
