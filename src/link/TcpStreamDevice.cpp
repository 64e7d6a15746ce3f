// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TcpStreamDevice.h"

#include "link/SystemNameResolver.h"
#include "message/ShownText.h"

#include <sys/socket.h>

namespace tessaro::link {

TcpStreamDevice::TcpStreamDevice(Clock& clock, std::shared_ptr<const NameResolver> resolver,
                                 AddressGrammar grammar, message::MessageId notAnAddress)
    : StreamDevice(clock), grammar_(grammar), notAnAddress_(notAnAddress) {
    setNameResolver(std::move(resolver));
}

void TcpStreamDevice::setNameResolver(std::shared_ptr<const NameResolver> resolver) {
    resolver_ = resolver ? std::move(resolver) : std::make_shared<SystemNameResolver>();
}

void TcpStreamDevice::setCommPort(const PortRef& port) {
    StreamDevice::setCommPort(port);
    address_ = port.address();
}

std::string TcpStreamDevice::shownAddress() const {
    const std::optional<NetworkAddress> address = grammar_(address_);
    return address ? address->text() : message::oneLine(address_);
}

workspace::UniqueFd TcpStreamDevice::connectBefore(Deadline deadline, message::Message& why,
                                                   PortProblem& problem) {
    const std::optional<NetworkAddress> address = grammar_(address_);
    if (!address) {
        why = notAnAddress_;
        return {};
    }
    if (pinnedFor_ != address_) {
        pinned_.reset();
        pinnedFor_ = address_;
    }
    return connectTcp(resolver_, *address, deadline, cancellation(), why, problem, pinned_);
}

ssize_t TcpStreamDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::recv(fd, buffer, size, MSG_DONTWAIT);
}

ssize_t TcpStreamDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    return ::send(fd, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace tessaro::link
