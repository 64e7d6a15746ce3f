// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NetworkPrinterDevice.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace tessaro::link {
namespace {

// Connects without blocking longer than the limit; no descriptor, and why, when it fails.
workspace::UniqueFd connectWithin(const addrinfo& where, int timeoutMs, std::string& why) {
    workspace::UniqueFd fd(::socket(
        where.ai_family, where.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, where.ai_protocol));
    if (!fd) {
        why = std::strerror(errno);
        return {};
    }
    int error = 0;
    if (::connect(fd.get(), where.ai_addr, where.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            socklen_t length = sizeof error;
            error = !waitForEvents(fd.get(), POLLOUT, timeoutMs)                         ? ETIMEDOUT
                    : ::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 ? errno
                                                                                         : error;
        }
    }
    if (error != 0) {
        why = error == ETIMEDOUT ? "no answer within 3 s" : std::strerror(error);
        return {};
    }
    const int on = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on); // commands go out at once
    return fd;
}

} // namespace

bool parseNetworkAddress(std::string_view text, NetworkAddress& out) {
    std::string_view host = text;
    std::string_view port;
    if (text.starts_with("[")) {
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            return false;
        }
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(":")) {
            return false;
        }
        port = rest.empty() ? rest : rest.substr(1);
    } else if (const auto colon = text.rfind(':'); colon != std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty()) {
            return false;
        }
    }
    int number = NetworkPrinterDevice::kDefaultPort;
    if (!port.empty()) {
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
        if (error != std::errc{} || end != port.data() + port.size() || number < 1 ||
            number > 65535) {
            return false;
        }
    }
    if (host.empty()) {
        return false;
    }
    out = {std::string(host), number};
    return true;
}

std::string NetworkPrinterDevice::shownAddress() const {
    NetworkAddress address;
    if (!parseNetworkAddress(address_, address)) {
        return address_;
    }
    const bool v6 = address.host.find(':') != std::string::npos;
    return (v6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

// A name that does not resolve is a port that is not there; every other failure leaves the
// printer unreachable (Unusable, as the caller presets it).
workspace::UniqueFd NetworkPrinterDevice::connect(std::string& why, PortProblem& problem) {
    NetworkAddress address;
    if (!parseNetworkAddress(address_, address)) {
        why = "not a network address (HOST or HOST:PORT)";
        return {};
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(address.port);
    if (const int error = ::getaddrinfo(address.host.c_str(), service.c_str(), &hints, &found);
        error != 0) {
        why = ::gai_strerror(error);
        problem = PortProblem::Absent;
        return {};
    }
    workspace::UniqueFd fd;
    why = "no address";
    for (const addrinfo* where = found; where != nullptr && !fd; where = where->ai_next) {
        fd = connectWithin(*where, kConnectTimeoutMs, why);
    }
    ::freeaddrinfo(found);
    return fd;
}

ssize_t NetworkPrinterDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::recv(fd, buffer, size, MSG_DONTWAIT);
}

ssize_t NetworkPrinterDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    return ::send(fd, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace tessaro::link
