// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NetworkPrinterDevice.h"

#include "link/SystemNameResolver.h"
#include "link/TcpConnect.h"
#include "workspace/ShownText.h"

#include <sys/socket.h>

namespace tessaro::link {

NetworkPrinterDevice::NetworkPrinterDevice(Clock& clock) : NetworkPrinterDevice(clock, nullptr) {}

NetworkPrinterDevice::NetworkPrinterDevice(Clock& clock,
                                           std::shared_ptr<const NameResolver> resolver)
    : StreamDevice(clock) {
    setResolver(std::move(resolver));
}

void NetworkPrinterDevice::setResolver(std::shared_ptr<const NameResolver> resolver) {
    resolver_ = resolver ? std::move(resolver) : std::make_shared<SystemNameResolver>();
}

std::string NetworkPrinterDevice::shownAddress() const {
    const std::optional<NetworkAddress> address = parseNetworkAddress(address_);
    return address ? address->text()
                   : workspace::shownText(address_, workspace::LineBreaks::Escape);
}

// A name that does not resolve is a port that is not there; every other failure leaves the
// printer unreachable (Unusable, as the caller presets it).
workspace::UniqueFd NetworkPrinterDevice::connect(std::string& why, PortProblem& problem) {
    const std::optional<NetworkAddress> address = parseNetworkAddress(address_);
    if (!address) {
        why = "not a network address (HOST or HOST:PORT)";
        return {};
    }
    return connectTcp(resolver_, *address, tcpConnectDeadline(), cancellation(), why, problem);
}

ssize_t NetworkPrinterDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::recv(fd, buffer, size, MSG_DONTWAIT);
}

ssize_t NetworkPrinterDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    return ::send(fd, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace tessaro::link
