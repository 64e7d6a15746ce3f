// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line a serial printer is driven on: its speed, eight data bits, no parity, one stop
// bit, and its flow control. Set on a terminal's descriptor with termios, raw, reads never
// waiting in the driver (the link's own waits are bounded with poll); the descriptor must be
// non-blocking.

#include "link/SerialControl.h"

#include <optional>
#include <string_view>

namespace tessaro::link {

struct LineSettings {
    int baud = 9600;
    Handshake handshake = Handshake::None;

    // The speed of "9600,N,8,1"; nothing when the text does not begin with a speed.
    static std::optional<int> speedOf(std::string_view text);
    // Takes the speed of "9600,N,8,1"; false, and no speed, when the text has none.
    bool takeSpeed(std::string_view text);
    // Takes the link's handshake number: 1 XON/XOFF, 2 or 3 hardware, anything else none.
    void takeHandshake(int mode);
};

// Puts the terminal open on fd in raw mode with settings: 0 when done, else the errno of
// what failed (ENOTTY: not a terminal; EINVAL: a speed the driver refuses).
int applyLineSettings(int fd, const LineSettings& settings);

// Sets a speed that has no Bnnnn constant (28800) through the kernel's termios2 (BOTHER),
// after the rest of the settings: 0 when done, else errno. In a file of its own, as the
// kernel's header clashes with <termios.h>.
int setArbitrarySpeed(int fd, int baud);

} // namespace tessaro::link
