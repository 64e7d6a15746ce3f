// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SystemNameResolver.h"

#include <memory>
#include <netdb.h>

namespace tessaro::link {
namespace {

ResolvedName lookUp(const std::string& host, int port, int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    ResolvedName name;
    if (const int error = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
        error != 0) {
        name.error = message::Message(message::MessageId::SystemError,
                                      {message::Part::resolverError(error)});
        name.nameUnknown = true;
        return name;
    }
    const std::unique_ptr<addrinfo, void (*)(addrinfo*)> owned(found, ::freeaddrinfo);
    for (const addrinfo* where = found; where != nullptr; where = where->ai_next) {
        SocketAddress address = SocketAddress::of(*where->ai_addr, where->ai_addrlen);
        address.socktype = where->ai_socktype;
        address.protocol = where->ai_protocol;
        name.addresses.push_back(address);
    }
    if (name.addresses.empty()) {
        name.error = message::Message(message::MessageId::NoAddress);
    }
    return name;
}

} // namespace

ResolvedName SystemNameResolver::resolve(const std::string& host, int port) const {
    return lookUp(host, port, 0);
}

std::optional<ResolvedName> SystemNameResolver::numeric(const std::string& host, int port) {
    ResolvedName name = lookUp(host, port, AI_NUMERICHOST | AI_NUMERICSERV);
    if (name.addresses.empty()) {
        return std::nullopt;
    }
    return name;
}

} // namespace tessaro::link
