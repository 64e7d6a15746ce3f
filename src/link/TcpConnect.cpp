// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TcpConnect.h"

#include "link/Cancellation.h"
#include "link/NameLookup.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace tessaro::link {

using message::Message;
using message::MessageId;
using message::Part;
namespace {

// Connects without waiting past the deadline; no descriptor, and why, when it fails.
workspace::UniqueFd connectWithin(const SocketAddress& where, Deadline deadline,
                                  const Cancellation* stop, Message& why) {
    workspace::UniqueFd fd(
        ::socket(where.family(), where.socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, where.protocol));
    if (!fd) {
        why = {MessageId::SystemError, {Part::systemError(errno)}};
        return {};
    }
    if (::connect(fd.get(), where.address(), where.length) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) { // interrupted, it goes on by itself
            why = {MessageId::SystemError, {Part::systemError(errno)}};
            return {};
        }
        if (const EventWait end = waitForEventsUntil(fd.get(), POLLOUT, deadline, stop);
            end != EventWait::Ready) {
            why = whyTcpWaitEnded(end);
            return {};
        }
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
            error = errno;
        }
        if (error != 0) {
            why = error == ETIMEDOUT ? tcpNoAnswer()
                                     : Message(MessageId::SystemError, {Part::systemError(error)});
            return {};
        }
    }
    const int on = 1;
    ::setsockopt(fd.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on); // commands go out at once
    return fd;
}

} // namespace

Deadline tcpConnectDeadline() {
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(kTcpConnectTimeoutMs);
}

Message tcpNoAnswer() {
    static_assert(kTcpConnectTimeoutMs % 1000 == 0, "said in whole seconds");
    return {MessageId::NoAnswerWithin, {Part::count(kTcpConnectTimeoutMs / 1000)}};
}

Message whyTcpWaitEnded(EventWait end) {
    return end == EventWait::TimedOut ? tcpNoAnswer()
           : end == EventWait::Stopped
               ? Message(MessageId::Stopped)
               : Message(MessageId::SystemError, {Part::systemError(errno)});
}

// One deadline holds for the lookup and all the addresses together.
workspace::UniqueFd connectTcp(const std::shared_ptr<const NameResolver>& resolver,
                               const NetworkAddress& address, Deadline deadline,
                               const Cancellation* stop, Message& why, PortProblem& problem,
                               std::optional<SocketAddress>& pinned) {
    ResolvedName found;
    if (const EventWait end =
            lookUpName(resolver, address.host, address.port, deadline, stop, found);
        end != EventWait::Ready) {
        why = end == EventWait::Failed ? found.error.value_or(MessageId::NameLookupFailed)
                                       : whyTcpWaitEnded(end);
        return {};
    }
    if (found.addresses.empty()) {
        why = found.error.value_or(MessageId::NoAddress);
        if (found.nameUnknown) {
            problem = PortProblem::Absent;
        }
        return {};
    }
    if (pinned) {
        if (std::ranges::find(found.addresses, *pinned) == found.addresses.end()) {
            why = {
                MessageId::NameLeadsToAnotherAddress,
                {Part::verbatim(found.addresses.front().text()), Part::verbatim(pinned->text())}};
            problem = PortProblem::Lost;
            return {};
        }
        workspace::UniqueFd fd = connectWithin(*pinned, deadline, stop, why);
        if (!fd) {
            problem = PortProblem::Lost;
        }
        return fd;
    }
    for (const SocketAddress& where : found.addresses) {
        if (stop != nullptr && stop->cancelled()) {
            why = MessageId::Stopped;
            return {};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            why = tcpNoAnswer();
            return {};
        }
        if (workspace::UniqueFd fd = connectWithin(where, deadline, stop, why)) {
            pinned = where;
            return fd;
        }
    }
    return {};
}

} // namespace tessaro::link
