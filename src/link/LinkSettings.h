#pragma once
// The printer link as the last detection left it; program-wide, replaced by each detection
// and by a change of the printer's serial speed.

#include "link/Transport.h"

#include <string>

namespace tessaro::link {

struct LinkSettings {
    LinkKind PortKind = LinkKind::Parallel; // the link the port numbers below belong to
    int PortNumber = 0;                     // COM n or LPT n
    std::string PortSpeed;                  // decimal text, "9600"
    int PortHandshake = 0;                  // 1 XON/XOFF, 2 hardware
};

} // namespace tessaro::link
