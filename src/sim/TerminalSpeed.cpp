// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/TerminalSpeed.h"

// The kernel's termios2 carries the speed in bit/s; its header clashes with <termios.h>,
// so this file includes only the kernel's.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace tessaro::sim {

int terminalSpeed(int fd) {
    struct termios2 settings {};
    if (::ioctl(fd, TCGETS2, &settings) != 0) {
        return 0;
    }
    return static_cast<int>(settings.c_ospeed);
}

} // namespace tessaro::sim
