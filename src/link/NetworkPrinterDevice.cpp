// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NetworkPrinterDevice.h"

#include "link/Cancellation.h"
#include "link/EventWait.h"
#include "link/NameLookup.h"
#include "link/SystemNameResolver.h"
#include "workspace/ShownText.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace tessaro::link {
namespace {

constexpr const char* kStopped = "stopped";

std::string noAnswer() {
    static_assert(NetworkPrinterDevice::kConnectTimeoutMs % 1000 == 0, "said in whole seconds");
    return "no answer within " + std::to_string(NetworkPrinterDevice::kConnectTimeoutMs / 1000) +
           " s";
}

// Why a wait that did not see its events ended.
std::string whyWaitEnded(EventWait end) {
    return end == EventWait::TimedOut  ? noAnswer()
           : end == EventWait::Stopped ? kStopped
                                       : std::strerror(errno);
}

// Connects without waiting past the deadline; no descriptor, and why, when it fails.
workspace::UniqueFd connectWithin(const SocketAddress& where, Deadline deadline,
                                  const Cancellation* stop, std::string& why) {
    workspace::UniqueFd fd(
        ::socket(where.family(), where.socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, where.protocol));
    if (!fd) {
        why = std::strerror(errno);
        return {};
    }
    if (::connect(fd.get(), where.address(), where.length) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) { // interrupted, it goes on by itself
            why = std::strerror(errno);
            return {};
        }
        if (const EventWait end = waitForEventsUntil(fd.get(), POLLOUT, deadline, stop);
            end != EventWait::Ready) {
            why = whyWaitEnded(end);
            return {};
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
            error = errno;
        }
        if (error != 0) {
            why = error == ETIMEDOUT ? noAnswer() : std::strerror(error);
            return {};
        }
    }
    const int on = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on); // commands go out at once
    return fd;
}

} // namespace

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
// printer unreachable (Unusable, as the caller presets it). One deadline holds for the
// lookup and all the addresses together.
workspace::UniqueFd NetworkPrinterDevice::connect(std::string& why, PortProblem& problem) {
    const std::optional<NetworkAddress> parsed = parseNetworkAddress(address_);
    if (!parsed) {
        why = "not a network address (HOST or HOST:PORT)";
        return {};
    }
    const NetworkAddress& address = *parsed;
    const Deadline deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectTimeoutMs);
    const Cancellation* stop = cancellation();
    ResolvedName found;
    if (const EventWait end =
            lookUpName(resolver_, address.host, address.port, deadline, stop, found);
        end != EventWait::Ready) {
        why = end == EventWait::Failed ? found.error : whyWaitEnded(end);
        return {};
    }
    if (found.addresses.empty()) {
        why = found.error.empty() ? "no address" : found.error;
        if (found.nameUnknown) {
            problem = PortProblem::Absent;
        }
        return {};
    }
    for (const SocketAddress& where : found.addresses) {
        if (stop != nullptr && stop->cancelled()) {
            why = kStopped;
            return {};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            why = noAnswer();
            return {};
        }
        if (workspace::UniqueFd fd = connectWithin(where, deadline, stop, why)) {
            return fd;
        }
    }
    return {};
}

ssize_t NetworkPrinterDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::recv(fd, buffer, size, MSG_DONTWAIT);
}

ssize_t NetworkPrinterDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    return ::send(fd, bytes, size, MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace tessaro::link
