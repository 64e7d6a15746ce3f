// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/StreamDevice.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace tessaro::link {

using message::Message;
using message::MessageId;
using message::Part;

bool waitForEvents(int fd, short events, int ms) {
    pollfd watch{fd, events, 0};
    int count = 0;
    do {
        count = ::poll(&watch, 1, ms);
    } while (count < 0 && errno == EINTR);
    return count > 0 && (watch.revents & (events | POLLERR | POLLHUP)) != 0;
}

message::Failure StreamDevice::open() {
    if (fd_) {
        return std::nullopt;
    }
    Message why(MessageId::NoSuchPort);
    problem_ = PortProblem::Unusable;
    fd_ = connect(why, problem_);
    if (!fd_) {
        return Message(MessageId::PortReason, {Part::verbatim(describe()), Part::framed(why)});
    }
    problem_ = PortProblem::None;
    received_.clear();
    fault_.reset();
    return std::nullopt;
}

void StreamDevice::close() {
    if (fd_) {
        finish(fd_.get());
    }
    drop();
}

void StreamDevice::drop() {
    const bool held = fd_.valid();
    fd_.reset();
    received_.clear();
    if (held) {
        released();
    }
}

// The printer went away: nothing more can leave, so nothing is waited for.
void StreamDevice::lost(const Message& why) {
    if (!fault_) {
        fault_ = Message(MessageId::PortReason, {Part::verbatim(describe()), Part::framed(why)});
        problem_ = PortProblem::Lost;
    }
    drop();
}

// Takes what the printer sent into the buffer, without waiting.
void StreamDevice::pull() {
    std::array<char, 512> buffer{};
    while (fd_ && received_.size() < kReceiveCapacity) {
        const ssize_t count = readSome(fd_.get(), buffer.data(), buffer.size());
        if (count > 0) {
            received_.append(buffer.data(), static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count == 0 && endOfStreamIsLoss()) {
            lost(lossReason(MessageId::PrinterClosedConnection));
        } else if (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            lost(lossReason({MessageId::PrinterWentAway, {Part::systemError(errno)}}));
        }
        return;
    }
}

int StreamDevice::inBufferCount() {
    pull();
    return static_cast<int>(received_.size());
}

void StreamDevice::discardInput() {
    pull();
    received_.clear();
}

void StreamDevice::output(std::string_view bytes) {
    const Micros deadline = clock_.now() + std::chrono::milliseconds(kWriteTimeoutMs);
    while (fd_ && !bytes.empty()) {
        const ssize_t written = writeSome(fd_.get(), bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            lost(lossReason(errno == EPIPE || errno == ECONNRESET
                                ? Message(MessageId::PrinterClosedConnection)
                                : Message(MessageId::PrinterWentAway, {Part::systemError(errno)})));
            return;
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - clock_.now()).count();
        if (left <= 0 || !waitForEvents(fd_.get(), POLLOUT, static_cast<int>(left))) {
            // The rest of the command cannot be sent: a fault, never a silent loss.
            lost(MessageId::PrinterStoppedTakingData);
            return;
        }
    }
}

std::string StreamDevice::input() {
    pull();
    const std::size_t count = inputLen_ > 0
                                  ? std::min(received_.size(), static_cast<std::size_t>(inputLen_))
                                  : received_.size();
    std::string bytes = received_.substr(0, count);
    received_.erase(0, count);
    return bytes;
}

bool StreamDevice::waitForInput(int ms) {
    pull();
    if (!received_.empty()) {
        return true;
    }
    if (!fd_ || !waitForEvents(fd_.get(), POLLIN, ms)) {
        return false;
    }
    pull();
    return !received_.empty();
}

message::Failure StreamDevice::takeFault() {
    return std::exchange(fault_, std::nullopt);
}

} // namespace tessaro::link
