// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a network printer's host name and port into the addresses to connect to. The real
// one asks the system's resolver (SystemNameResolver); tests give their own.

#include "message/Message.h"

#include <string>
#include <sys/socket.h>
#include <vector>

namespace tessaro::link {

// One address to connect a stream socket to.
struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
    int socktype = SOCK_STREAM;
    int protocol = 0;

    // A copy of address (at most the room sockaddr_storage has).
    static SocketAddress of(const sockaddr& address, socklen_t length);
    int family() const { return storage.ss_family; }
    const sockaddr* address() const { return reinterpret_cast<const sockaddr*>(&storage); }
    // The same address and port.
    bool operator==(const SocketAddress& other) const;
    // As numbers: "192.168.1.20:9100", "[fe80::1]:9100".
    std::string text() const;
};

struct ResolvedName {
    std::vector<SocketAddress> addresses; // in the order to try them
    message::Failure error;               // when there is none: why
    bool nameUnknown = false;             // no address is known for the name: no such printer
};

class NameResolver {
  public:
    virtual ~NameResolver() = default;
    // May take as long as the name servers do: the caller runs it on a thread of its own
    // and stops waiting at its deadline. Called from several threads at once.
    virtual ResolvedName resolve(const std::string& host, int port) const = 0;
};

} // namespace tessaro::link
