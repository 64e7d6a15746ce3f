// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LineSettings.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <termios.h>
#include <utility>

namespace tessaro::link {
namespace {

// The speeds the C library names; any other is set in bit/s through termios2.
constexpr std::array<std::pair<int, speed_t>, 18> kNamedSpeeds{{
    {50, B50},
    {75, B75},
    {110, B110},
    {150, B150},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
    {460800, B460800},
    {921600, B921600},
    {1000000, B1000000},
}};

std::optional<speed_t> namedSpeed(int baud) {
    for (const auto& [rate, constant] : kNamedSpeeds) {
        if (rate == baud) {
            return constant;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> LineSettings::speedOf(std::string_view text) {
    const auto speed = text.substr(0, text.find(','));
    int baud = 0;
    const auto [end, error] = std::from_chars(speed.data(), speed.data() + speed.size(), baud);
    if (error != std::errc{} || end != speed.data() + speed.size() || baud <= 0) {
        return std::nullopt;
    }
    return baud;
}

bool LineSettings::takeSpeed(std::string_view text) {
    const auto speed = speedOf(text);
    baud = speed.value_or(0);
    return speed.has_value();
}

void LineSettings::takeHandshake(int mode) {
    handshake = mode == 1 ? Handshake::XonXoff : mode >= 2 ? Handshake::RtsCts : Handshake::None;
}

int applyLineSettings(int fd, const LineSettings& settings) {
    if (settings.baud <= 0) {
        return EINVAL;
    }
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        return errno;
    }
    ::cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD | CS8;
    line.c_cflag &= ~static_cast<tcflag_t>(PARENB | CSTOPB | CRTSCTS);
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    switch (settings.handshake) {
    case Handshake::None:
        break;
    case Handshake::XonXoff:
        line.c_iflag |= IXON | IXOFF;
        break;
    case Handshake::RtsCts:
    case Handshake::Both: // the hardware lines decide
        line.c_cflag |= CRTSCTS;
        break;
    }
    // One byte is enough for a read; with the descriptor non-blocking, a read with nothing
    // waiting fails with EAGAIN and one that returns nothing means the terminal hung up.
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    const std::optional<speed_t> named = namedSpeed(settings.baud);
    if (named && (::cfsetispeed(&line, *named) != 0 || ::cfsetospeed(&line, *named) != 0)) {
        return errno;
    }
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        return errno;
    }
    return named ? 0 : setArbitrarySpeed(fd, settings.baud);
}

} // namespace tessaro::link
