// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "link/PortMap.h"

#include <vector>

namespace tessaro::link {

// The parallel ports the kernel's parport driver provides (/dev/parportN), in order.
// libieee1284 also guesses legacy I/O addresses through /dev/port when it runs as root and
// the kernel knows no port; those guesses are not ports and are left out: poking raw
// addresses on unknown hardware is unsafe.
std::vector<ParallelDevice> kernelParallelPorts();

} // namespace tessaro::link
