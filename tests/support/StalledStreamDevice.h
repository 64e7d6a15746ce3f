// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A USB or network printer that takes a number of bytes, then no more: each write after that
// would block, and a second of the virtual clock passes before it says so. It answers
// nothing. Its descriptor is /dev/null, always writable, so the device never waits in the
// system: the time it spends is the virtual clock's.

#include "link/StreamDevice.h"
#include "link/VirtualClock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <string>

namespace tessaro::test {

class StalledStreamDevice final : public link::StreamDevice {
  public:
    StalledStreamDevice(link::VirtualClock& clock, std::size_t takes)
        : StreamDevice(clock), clock_(clock), takes_(takes) {}

    // Every byte the printer took, over all its connections.
    const std::string& taken() const { return taken_; }
    // How many writes were tried once it had stopped taking bytes.
    int refusedWrites() const { return refused_; }

  protected:
    workspace::UniqueFd connect(message::Message&, link::PortProblem&) override {
        return workspace::UniqueFd(::open("/dev/null", O_RDWR | O_NONBLOCK | O_CLOEXEC));
    }
    ssize_t readSome(int, char*, std::size_t) override {
        errno = EAGAIN;
        return -1;
    }
    ssize_t writeSome(int, const char* bytes, std::size_t size) override {
        const std::size_t room = takes_ - taken_.size();
        if (room == 0) {
            ++refused_;
            clock_.advance(std::chrono::seconds(1));
            errno = EAGAIN;
            return -1;
        }
        const std::size_t count = std::min(room, size);
        taken_.append(bytes, count);
        return static_cast<ssize_t>(count);
    }
    bool endOfStreamIsLoss() const override { return true; }
    std::string describe() const override { return "printer.test:9100"; }

  private:
    link::VirtualClock& clock_;
    std::size_t takes_;
    std::string taken_;
    int refused_ = 0;
};

} // namespace tessaro::test
