// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A TCP socket of the test's own on a loopback port the system picks.

#include "workspace/UniqueFd.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace tessaro::test {

// Bound to a free loopback port, its address in at, and listening with backlog unless that is
// negative; none when the system refuses any of it.
inline workspace::UniqueFd loopbackSocket(sockaddr_in& at, int backlog = -1) {
    at = {};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof at;
    workspace::UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    auto* address = reinterpret_cast<sockaddr*>(&at);
    if (!socket || ::bind(socket.get(), address, length) != 0 ||
        ::getsockname(socket.get(), address, &length) != 0 ||
        (backlog >= 0 && ::listen(socket.get(), backlog) != 0)) {
        return {};
    }
    return socket;
}

} // namespace tessaro::test
