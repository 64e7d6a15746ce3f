// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NameResolver.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <netdb.h>

namespace tessaro::link {

SocketAddress SocketAddress::of(const sockaddr& address, socklen_t length) {
    SocketAddress copy;
    copy.length = std::min<socklen_t>(length, sizeof copy.storage);
    std::memcpy(&copy.storage, &address, copy.length);
    return copy;
}

bool SocketAddress::operator==(const SocketAddress& other) const {
    return length == other.length && std::memcmp(&storage, &other.storage, length) == 0;
}

std::string SocketAddress::text() const {
    std::array<char, NI_MAXHOST> host{};
    std::array<char, NI_MAXSERV> service{};
    if (::getnameinfo(address(), length, host.data(), host.size(), service.data(), service.size(),
                      NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
        return "?";
    }
    const bool v6 = family() == AF_INET6;
    return (v6 ? "[" : "") + std::string(host.data()) + (v6 ? "]:" : ":") + service.data();
}

} // namespace tessaro::link
