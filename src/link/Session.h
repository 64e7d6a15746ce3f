// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer session: the link as the last detection left it and what the program knows of
// the printer on it. One per program, owned by its printer link; each detection replaces it,
// a change of the printer's serial speed updates the link's speed.

#include "link/Transport.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tessaro::link {

struct LinkSettings {
    LinkKind PortKind = LinkKind::Parallel; // the link the port number below belongs to
    int PortNumber = 0;                     // COM n, LPT n or USB n
    std::string PortSpeed;                  // decimal text, "9600"
    int PortHandshake = 0;                  // 1 XON/XOFF, 2 hardware
};

struct PrinterFacts {
    bool PrinterFound = false;
    bool Chipset5V = false;
    int PowerVolts = 0;                     // 5 or 24 once a printer was described
    std::string PrinterIdentity;            // the identity text without its terminating zero
    std::string PrinterStatusText;          // a status byte spelled out
    std::optional<std::uint8_t> StatusByte; // the one the last detection read, if it came
};

struct Session {
    LinkSettings link;
    PrinterFacts printer;
};

} // namespace tessaro::link
