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
    // The port of the last detection: COM n, LPT n, USB n, a device path or a network
    // printer. Until a printer was found, LPT 1 as the program starts.
    PortRef Port = PortRef::numbered(LinkKind::Parallel, 1);
    bool PortChosen = false; // a detection has settled on Port
    std::string PortSpeed;   // decimal text, "9600"
    int PortHandshake = 0;   // 1 XON/XOFF, 2 hardware
};

struct PrinterFacts {
    bool PrinterFound = false;
    std::optional<bool> Chipset5V;          // none when the chipset did not answer
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
