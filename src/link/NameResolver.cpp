// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NameResolver.h"

#include <algorithm>
#include <cstring>

namespace tessaro::link {

SocketAddress SocketAddress::of(const sockaddr& address, socklen_t length) {
    SocketAddress copy;
    copy.length = std::min<socklen_t>(length, sizeof copy.storage);
    std::memcpy(&copy.storage, &address, copy.length);
    return copy;
}

} // namespace tessaro::link
