#pragma once
// The port I/O a program uses: libieee1284 for the kernel's parallel ports, or the virtual
// printer behind an LPT that the port map sets to "virtual".

#include "link/Clock.h"
#include "link/PortIO.h"
#include "link/PortMap.h"

#include <memory>

namespace tessaro::sim {

// clock is the program's clock, on which the virtual printer times its replies.
std::unique_ptr<link::PortIO> makePortIO(const link::PortMap& ports, link::Clock& clock);

} // namespace tessaro::sim
