// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/PtyPrinter.h"

#include "sim/TerminalSpeed.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace tessaro::sim {
namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

speed_t speedConstant(int baud) {
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600; // 28800 has no constant; the program sets its own speed anyway
    }
}

void makeRaw(int fd, int baud, const std::string& name) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        fail(name + ": cannot read the terminal settings");
    }
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&settings, speedConstant(baud));
    if (::tcsetattr(fd, TCSANOW, &settings) != 0) {
        fail(name + ": cannot set raw mode");
    }
}

} // namespace

PtyPrinter::PtyPrinter(PrinterModel& printer, link::Clock& clock, std::filesystem::path linkPath,
                       Log log)
    : printer_(printer), clock_(clock), linkPath_(std::move(linkPath)), log_(std::move(log)) {
    openTerminal();
    if (!linkPath_.empty()) {
        makeLink();
    }
}

PtyPrinter::~PtyPrinter() {
    std::error_code ignored;
    if (!linkPath_.empty() && std::filesystem::read_symlink(linkPath_, ignored) == slavePath_) {
        std::filesystem::remove(linkPath_, ignored);
    }
}

void PtyPrinter::openTerminal() {
    master_.reset(::posix_openpt(O_RDWR | O_NOCTTY));
    if (!master_ || ::grantpt(master_.get()) != 0 || ::unlockpt(master_.get()) != 0) {
        fail("pseudo-terminal");
    }
    std::array<char, 256> name{};
    if (::ptsname_r(master_.get(), name.data(), name.size()) != 0) {
        fail("pseudo-terminal: no slave name");
    }
    slavePath_ = name.data();
    slave_.reset(::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK));
    if (!slave_) {
        fail(slavePath_);
    }
    makeRaw(slave_.get(), printer_.baud(), slavePath_);
    makeRaw(master_.get(), printer_.baud(), "pseudo-terminal master");
    const int flags = ::fcntl(master_.get(), F_GETFL);
    if (flags < 0 || ::fcntl(master_.get(), F_SETFL, flags | O_NONBLOCK) != 0) {
        fail("pseudo-terminal master: cannot make it non-blocking");
    }
}

void PtyPrinter::makeLink() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status existing = fs::symlink_status(linkPath_, error);
    if (fs::exists(existing) && !fs::is_symlink(existing)) {
        throw std::runtime_error(linkPath_.string() + ": exists and is not a symbolic link");
    }
    if (fs::is_symlink(existing)) {
        fs::remove(linkPath_, error);
    }
    fs::create_symlink(slavePath_, linkPath_, error);
    if (error) {
        const std::string reason = error.message();
        linkPath_.clear(); // not ours: the destructor must leave it alone
        throw std::runtime_error(fs::path(slavePath_).string() + " -> link: " + reason);
    }
}

int PtyPrinter::lineBaud() const {
    return printer_.config().usb ? printer_.baud() : terminalBaud();
}

int PtyPrinter::terminalBaud() const {
    return terminalSpeed(slave_.get());
}

void PtyPrinter::run(const std::atomic<bool>& stop, int roundMs) {
    while (!stop.load()) {
        pollOnce(roundMs);
    }
}

void PtyPrinter::pollOnce(int timeoutMs) {
    const bool busy = busyUntil_ && clock_.now() < *busyUntil_;
    const short events = static_cast<short>((busy ? 0 : POLLIN) | (unsent_.empty() ? 0 : POLLOUT));
    pollfd watch{master_.get(), events, 0};
    const int count = ::poll(&watch, 1, waitMs(std::max(0, timeoutMs)));
    if (count < 0 && errno != EINTR) {
        fail("pseudo-terminal: poll");
    }
    if (count > 0 && (watch.revents & (POLLERR | POLLNVAL)) != 0) {
        throw std::runtime_error(slavePath_ + ": pseudo-terminal failed");
    }
    if (count > 0 && (watch.revents & POLLIN) != 0) {
        readProgram();
    }
    writeReplies();
}

// How long this round may wait without making a ready or due reply late.
int PtyPrinter::waitMs(int timeoutMs) {
    const auto msUntil = [this](link::Micros when) {
        const auto micros = (when - clock_.now()).count();
        return static_cast<int>(std::max<long long>(0, (micros + 999) / 1000));
    };
    if (busyUntil_) {
        timeoutMs = std::min(timeoutMs, msUntil(*busyUntil_));
    }
    if (!unsent_.empty()) {
        return timeoutMs; // POLLOUT wakes the round once the terminal takes more
    }
    if (printer_.replyReady() > 0) {
        return nextChunkAt_ ? std::min(timeoutMs, msUntil(*nextChunkAt_)) : 0;
    }
    const auto next = printer_.nextReplyAt();
    return next ? std::min(timeoutMs, msUntil(*next)) : timeoutMs;
}

void PtyPrinter::readProgram() {
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(master_.get(), buffer.data(), buffer.size());
    if (count < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
        fail(slavePath_ + ": read");
    }
    if (count <= 0) {
        return;
    }
    if (const int hold = printer_.config().busyHoldSeconds; hold > 0) {
        busyUntil_ = clock_.now() + std::chrono::seconds(hold);
    }
    const int speed = lineBaud();
    const std::size_t heard = printer_.receiveAtSpeed(
        std::string_view(buffer.data(), static_cast<std::size_t>(count)), speed);
    if (heard < static_cast<std::size_t>(count)) {
        log("(" + std::to_string(static_cast<std::size_t>(count) - heard) + " bytes at " +
            std::to_string(speed) + " bit/s not heard: the printer runs at " +
            std::to_string(printer_.baud()) + " bit/s)");
    }
}

void PtyPrinter::writeReplies() {
    const link::Micros now = clock_.now();
    if (unsent_.empty() && (!nextChunkAt_ || now >= *nextChunkAt_)) {
        const bool more = printer_.replyReady() > kChunk;
        // Bytes sent at another speed than the program's would be line noise: lost.
        unsent_ = printer_.takeReplyAt(kChunk, lineBaud());
        nextChunkAt_.reset();
        if (more) {
            nextChunkAt_ = now + std::chrono::milliseconds(kPauseMs);
        }
    }
    if (unsent_.empty()) {
        return;
    }
    const ssize_t written = ::write(master_.get(), unsent_.data(), unsent_.size());
    if (written < 0 && errno != EAGAIN && errno != EINTR) {
        fail(slavePath_ + ": write");
    }
    unsent_.erase(0, static_cast<std::size_t>(std::max<ssize_t>(0, written)));
}

void PtyPrinter::log(std::string line) const {
    if (log_) {
        log_(std::move(line));
    }
}

} // namespace tessaro::sim
