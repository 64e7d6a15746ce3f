// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual printer cabled to an LPT, for a port the port map sets to "virtual": the
// printer model behind a virtual parallel port, with the faults TESSARO_VIRTUAL_PRINTER
// names.

#include "link/Clock.h"
#include "link/PortIO.h"

#include <memory>

namespace tessaro::sim {

// clock is the program's clock, on which the virtual printer times its replies.
std::unique_ptr<link::PortIO> makeVirtualLpt(int lpt, link::Clock& clock);

} // namespace tessaro::sim
