// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output speed a terminal is set to, in bit/s, including speeds without a Bxxx constant
// (28800) that a program sets through the kernel's arbitrary-speed interface.

namespace tessaro::sim {

// 0 when the descriptor is not a terminal or its speed cannot be read.
int terminalSpeed(int fd);

} // namespace tessaro::sim
