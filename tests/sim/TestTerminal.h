// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's end of the virtual printer's pseudo-terminal, opened the way a program opens a
// serial port: plain termios, raw, at a chosen speed. Reads poll with bounded deadlines.

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace tessaro::test {

class TestTerminal {
  public:
    explicit TestTerminal(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (fd_ < 0) {
            throw std::runtime_error(path + ": cannot open");
        }
    }
    TestTerminal(const TestTerminal&) = delete;
    TestTerminal& operator=(const TestTerminal&) = delete;
    ~TestTerminal() { ::close(fd_); }

    bool setSpeed(speed_t speed) {
        termios settings{};
        if (::tcgetattr(fd_, &settings) != 0) {
            return false;
        }
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetspeed(&settings, speed);
        return ::tcsetattr(fd_, TCSANOW, &settings) == 0;
    }

    bool write(const std::string& bytes) {
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until done(bytes so far) or the time is up; pump runs between polls (the
    // in-process printer's turn).
    std::string readUntil(const std::function<bool(const std::string&)>& done,
                          std::chrono::milliseconds limit, const std::function<void()>& pump = {}) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::string got;
        while (!done(got) && std::chrono::steady_clock::now() < deadline) {
            if (pump) {
                pump();
            }
            pollfd watch{fd_, POLLIN, 0};
            if (::poll(&watch, 1, pump ? 0 : 10) > 0) {
                char buffer[256];
                const ssize_t count = ::read(fd_, buffer, sizeof buffer);
                got.append(buffer, count > 0 ? static_cast<std::size_t>(count) : 0);
            }
        }
        return got;
    }

  private:
    int fd_;
};

// Reading stops at the first zero byte.
inline bool endsWithZero(const std::string& bytes) {
    return !bytes.empty() && bytes.back() == '\0';
}

} // namespace tessaro::test
