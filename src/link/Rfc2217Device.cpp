// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Rfc2217Device.h"

#include "link/Rfc2217Address.h"
#include "link/Rfc2217Line.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>

namespace tessaro::link {
namespace {

using message::Message;
using message::MessageId;
using message::Part;

static_assert(Rfc2217Device::kEarlyDataLimit == 64 * 1024, "as EarlyDataTooLong says");

// The most of the caller's bytes one write encodes: what is not sent stays with the caller.
constexpr std::size_t kWriteChunk = 1024;
// The most answers owed to a server that reads nothing; later ones are not sent.
constexpr std::size_t kPendingLimit = 1024;
// Reads of telnet commands alone before a read gives up for now: a server sending nothing
// else cannot hold a read.
constexpr int kReadRounds = 16;

Deadline writeDeadline() {
    return std::chrono::steady_clock::now() +
           std::chrono::milliseconds(StreamDevice::kWriteTimeoutMs);
}

} // namespace

Rfc2217Device::Rfc2217Device(Clock& clock, std::shared_ptr<const NameResolver> resolver)
    : TcpStreamDevice(clock, std::move(resolver), parseRfc2217Address,
                      message::MessageId::NotASerialServerAddress) {}

std::string Rfc2217Device::describe() const {
    return std::string(kRfc2217Scheme) + shownAddress();
}

void Rfc2217Device::setSettings(std::string_view text) {
    speedKnown_ = line_.takeSpeed(text);
}

void Rfc2217Device::setHandshaking(int mode) {
    line_.takeHandshake(mode);
}

// A name that does not resolve is a port that is not there; every other failure leaves the
// port unusable, as the caller presets it.
workspace::UniqueFd Rfc2217Device::connect(Message& why, PortProblem& problem) {
    forget();
    if (!speedKnown_) {
        why = MessageId::SpeedRefused;
        return {};
    }
    const Deadline deadline = tcpConnectDeadline();
    workspace::UniqueFd fd = connectBefore(deadline, why, problem);
    if (!fd || !setUpLine(fd.get(), deadline, why)) {
        forget();
        return {};
    }
    return fd;
}

// The line is asked for once the server takes com-port commands (a server that does not
// may drop them unread); the speed it confirms is the sign the line is set.
bool Rfc2217Device::setUpLine(int fd, Deadline deadline, Message& why) {
    pending_ = codec_.startNegotiation();
    bool lineAsked = false;
    while (true) {
        if (codec_.comPortRefused()) {
            why = MessageId::ServerSetsNoLines;
            return false;
        }
        if (!lineAsked && codec_.comPortAgreed()) {
            pending_ += lineCommands(line_);
            lineAsked = true;
        }
        // A reply that differs refuses the line at once; it is set once every part of it is
        // confirmed (the server answers each command, speed first).
        if (lineAsked) {
            mismatch_ = lineMismatch(codec_.replies(), line_);
            if (mismatch_) {
                why = *mismatch_;
                return false;
            }
            if (lineConfirmed(codec_.replies())) {
                return true;
            }
        }
        if (!flush(fd) && errno != EAGAIN && errno != EWOULDBLOCK) {
            why = serverClosed_ ? Message(MessageId::ServerClosedConnection)
                                : Message(MessageId::SystemError, {Part::systemError(errno)});
            return false;
        }
        const short events = static_cast<short>(POLLIN | (pending_.empty() ? 0 : POLLOUT));
        if (const EventWait end = waitForEventsUntil(fd, events, deadline, cancellation());
            end != EventWait::Ready) {
            why = whyTcpWaitEnded(end);
            return false;
        }
        const ssize_t count = receive(fd);
        if (count <= 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            noteEnd(count);
            why = serverClosed_ ? Message(MessageId::ServerClosedConnection)
                                : Message(MessageId::SystemError, {Part::systemError(errno)});
            return false;
        }
        if (decoded_.size() > kEarlyDataLimit) {
            why = MessageId::EarlyDataTooLong;
            return false;
        }
    }
}

ssize_t Rfc2217Device::receive(int fd) {
    std::array<char, 512> buffer{};
    const ssize_t count = ::recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
    if (count == 0) {
        errno = 0; // the end of the stream, not an error
    } else if (count > 0) {
        codec_.decode(std::string_view(buffer.data(), static_cast<std::size_t>(count)), decoded_);
        queueAnswers();
    }
    return count;
}

void Rfc2217Device::queueAnswers() {
    const std::string answers = codec_.takeAnswers();
    if (pending_.size() + answers.size() <= kPendingLimit) {
        pending_ += answers;
    }
}

bool Rfc2217Device::flush(int fd) {
    while (!pending_.empty()) {
        const ssize_t sent =
            ::send(fd, pending_.data(), pending_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            noteEnd(sent);
            return false;
        }
        pending_.erase(0, static_cast<std::size_t>(sent));
    }
    return true;
}

void Rfc2217Device::noteEnd(ssize_t count) {
    if (count == 0 || errno == ECONNRESET || errno == EPIPE) {
        serverClosed_ = true;
    }
}

// A read never returns 0 for telnet commands alone: 0 is the end of the stream.
ssize_t Rfc2217Device::readSome(int fd, char* buffer, std::size_t size) {
    ssize_t count = 1;
    for (int round = 0; decoded_.empty() && count > 0 && round < kReadRounds; ++round) {
        count = receive(fd);
        mismatch_ = lineMismatch(codec_.replies(), line_);
        if (mismatch_) {
            errno = EPROTO;
            return -1;
        }
    }
    const int error = errno;
    flush(fd); // the answers go at once; what the socket does not take waits for the next time
    errno = error;
    if (!decoded_.empty()) {
        const std::size_t taken = std::min(size, decoded_.size());
        std::memcpy(buffer, decoded_.data(), taken);
        decoded_.erase(0, taken);
        return static_cast<ssize_t>(taken);
    }
    if (count > 0) {
        errno = EAGAIN; // more than telnet commands may follow: the next read looks
        return -1;
    }
    noteEnd(count);
    return count;
}

// The caller's bytes count as taken once their encoding is sent, or all but the second half
// of a doubled 0xFF is: that half leaves before anything else, and at once unless the server
// takes nothing for the write timeout, so that no command waits half sent for the next write.
ssize_t Rfc2217Device::writeSome(int fd, const char* bytes, std::size_t size) {
    if (!flush(fd)) {
        return -1;
    }
    const std::string_view data(bytes, std::min(size, kWriteChunk));
    const std::string wire = TelnetCodec::escape(data);
    const ssize_t sent = ::send(fd, wire.data(), wire.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) {
        noteEnd(sent);
        return -1;
    }
    const TelnetCodec::Sent gone = TelnetCodec::sentOf(data, static_cast<std::size_t>(sent));
    if (gone.split) {
        pending_.assign(1, static_cast<char>(telnet::IAC));
        flushWithin(fd, writeDeadline());
    }
    return static_cast<ssize_t>(gone.taken);
}

bool Rfc2217Device::flushWithin(int fd, Deadline deadline) {
    while (!flush(fd)) {
        if ((errno != EAGAIN && errno != EWOULDBLOCK) ||
            waitForEventsUntil(fd, POLLOUT, deadline, nullptr) != EventWait::Ready) {
            return false;
        }
    }
    return true;
}

// What waits goes out, then the end of the stream: the server closes its end once it has
// passed everything on, and no byte of the printer's left unread turns the close into a
// reset that could cost the server what it has not yet written. All within the write timeout.
void Rfc2217Device::finish(int fd) {
    const Deadline deadline = writeDeadline();
    if (!flushWithin(fd, deadline) || ::shutdown(fd, SHUT_WR) != 0) {
        return;
    }
    std::array<char, 512> buffer{};
    while (waitForEventsUntil(fd, POLLIN, deadline, nullptr) == EventWait::Ready) {
        const ssize_t count = ::recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (count == 0 || (count < 0 && errno != EINTR && errno != EAGAIN)) {
            return;
        }
    }
}

Message Rfc2217Device::lossReason(Message seen) const {
    if (mismatch_) {
        return *mismatch_;
    }
    return serverClosed_ ? Message(MessageId::ServerClosedConnection) : seen;
}

void Rfc2217Device::released() {
    forget();
}

void Rfc2217Device::forget() {
    codec_ = TelnetCodec{};
    decoded_.clear();
    pending_.clear();
    mismatch_.reset();
    serverClosed_ = false;
}

} // namespace tessaro::link
