// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialDevice.h"

#include "link/PortDiagnosis.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tessaro::link {
namespace {

using message::Message;
using message::MessageId;
using message::Part;

// What a close may wait beyond the bytes' own time on the wire, and how often it looks.
constexpr std::chrono::milliseconds kDrainMargin{100};
constexpr std::chrono::milliseconds kDrainPoll{1};

// Ten bits a byte: start, eight data bits, stop.
std::chrono::microseconds wireTime(std::size_t bytes, int baud) {
    return std::chrono::microseconds(baud > 0 ? bytes * 10'000'000ULL / std::size_t(baud) : 0);
}

// Why opening the device failed, and what kind of problem that is.
Message refusal(const std::string& device, int error, PortProblem& problem) {
    problem = problemOfErrno(error);
    switch (error) {
    case EACCES:
    case EPERM:
        return permissionDenied(device, MessageId::JoinDialoutGroup);
    case EBUSY:
        return inUse(device, MessageId::InUseByAnotherProgram);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return vanished(device, MessageId::NoSuchDevice);
    case EIO: // an adapter going away as it is opened
        problem = PortProblem::Lost;
        return vanished(device, {MessageId::SystemError, {Part::systemError(error)}});
    default:
        return {MessageId::SystemError, {Part::systemError(error)}};
    }
}

} // namespace

void SerialDevice::setSettings(std::string_view text) {
    speedKnown_ = line_.takeSpeed(text);
}

void SerialDevice::setHandshaking(int mode) {
    line_.takeHandshake(mode);
}

workspace::UniqueFd SerialDevice::connect(Message& why, PortProblem& problem) {
    const std::string device = pins_.device(port(), ports_);
    if (device.empty()) {
        problem = PortProblem::Absent;
        why = MessageId::NoSuchPort;
        return {};
    }
    if (!speedKnown_) {
        problem = PortProblem::Unusable;
        why = MessageId::SpeedRefused;
        return {};
    }
    workspace::UniqueFd fd(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        why = refusal(device, errno, problem);
        return {};
    }
    if (message::Failure claimed = claim(device, fd.get(), problem)) {
        why = std::move(*claimed);
        return {};
    }
    // Exclusive use: another program's open of the terminal fails (root's excepted).
    ::ioctl(fd.get(), TIOCEXCL);
    if (const int error = applyLineSettings(fd.get(), line_); error != 0) {
        problem = error == EIO ? PortProblem::Lost : PortProblem::Unusable;
        why = error == ENOTTY ? Message(MessageId::NotASerialPort)
                              : Message(MessageId::SystemError, {Part::systemError(error)});
        ::ioctl(fd.get(), TIOCNXCL);
        lock_.release();
        return {};
    }
    unsentBytes_ = 0;
    return fd;
}

// It must be the device this operation found under the name first, and no other program
// may hold it (a terminal program's lock file or flock).
message::Failure SerialDevice::claim(const std::string& device, int fd, PortProblem& problem) {
    if (message::Failure changed = pins_.check(port(), device, fd)) {
        problem = PortProblem::Lost;
        return changed;
    }
    Message why(MessageId::InUseByAnotherProgram);
    auto lock = PortLock::take(fd, device, identityOf(fd).value_or(DeviceIdentity{}),
                               ports_.lockDirectory(), why);
    if (!lock) {
        problem = PortProblem::InUse;
        return why;
    }
    lock_ = std::move(*lock);
    return std::nullopt;
}

ssize_t SerialDevice::readSome(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

ssize_t SerialDevice::writeSome(int fd, const char* bytes, std::size_t size) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written > 0) {
        unsentBytes_ += static_cast<std::size_t>(written);
    }
    return written;
}

Message SerialDevice::lossReason(Message) const {
    return vanished(pins_.device(port(), ports_), MessageId::DeviceDisconnected);
}

// Waits until the bytes written have left: the driver's queue, then the transmitter
// (tcdrain, only once the queue is empty, so that a line held by flow control cannot block
// it). Bounded by the bytes' time on the wire plus a margin: a printer that holds the line
// cannot hang the program.
void SerialDevice::finish(int fd) {
    const std::size_t written = std::exchange(unsentBytes_, 0);
    if (written > 0) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + wireTime(written, line_.baud) +
                              std::chrono::duration_cast<Clock::duration>(kDrainMargin);
        int queued = 0;
        while (::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 && Clock::now() < deadline) {
            std::this_thread::sleep_for(kDrainPoll);
        }
        if (queued == 0) {
            ::tcdrain(fd);
        }
    }
    ::ioctl(fd, TIOCNXCL);
}

void SerialDevice::released() {
    lock_.release();
}

} // namespace tessaro::link
