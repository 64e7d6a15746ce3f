// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal of the test's own standing in for a serial line: the program opens path,
// the master end is the printer, and the slave held open here reads the line as the far end
// sees it. The line starts at 9600 bit/s.

#include "workspace/UniqueFd.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace tessaro::test {

struct OwnTerminal {
    OwnTerminal() {
        ::grantpt(master.get());
        ::unlockpt(master.get());
        path = ::ptsname(master.get());
        slave.reset(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
        termios line{};
        ::tcgetattr(slave.get(), &line);
        ::cfsetspeed(&line, B9600);
        ::tcsetattr(slave.get(), TCSANOW, &line);
    }

    speed_t speed() const {
        termios line{};
        ::tcgetattr(slave.get(), &line);
        return ::cfgetospeed(&line);
    }

    // What the program sent, until count bytes came or limit passed.
    std::string read(std::size_t count, std::chrono::milliseconds limit) const {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::string got;
        char buffer[4096];
        pollfd watch{master.get(), POLLIN, 0};
        while (got.size() < count && std::chrono::steady_clock::now() < deadline &&
               ::poll(&watch, 1, 100) >= 0) {
            const ssize_t n =
                (watch.revents & POLLIN) ? ::read(master.get(), buffer, sizeof buffer) : 0;
            got.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        }
        return got;
    }

    // Whether anything reached the printer's end, without waiting.
    bool anythingSent() const {
        pollfd watch{master.get(), POLLIN, 0};
        return ::poll(&watch, 1, 0) > 0 && (watch.revents & POLLIN) != 0;
    }

    workspace::UniqueFd master{::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)};
    workspace::UniqueFd slave;
    std::string path;
};

} // namespace tessaro::test
