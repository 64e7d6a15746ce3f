// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a detection or an automatic search came to: whether a printer answered, on which port
// and at which speed, why the port could not be used, the result line, and the link and
// printer as the detection left them.

#include "link/PortProblem.h"
#include "link/PortRef.h"
#include "link/Session.h"
#include "message/Message.h"

#include <string>

namespace tessaro::detect {

struct DetectionResult {
    bool found = false;
    // Whether a port was probed at all: a refused or stopped detection leaves the window's
    // result line as it was.
    bool probed = false;
    link::PortRef port;
    std::string speed;      // a serial port's speed, "9600"
    int handshakeIndex = 1; // as the window's list: 0 Xon-Xoff, 1 DSR/DTR Mode
    link::PortProblem problem = link::PortProblem::None;
    message::Message said; // the "Current printer" line, as a value
    std::string text;      // the same in English
    link::Session session; // the link and printer afterwards
    // The status bar after the detection: the port, the printer's identity and supply, or
    // "No Printer found"; empty when the detection leaves it as it was.
    std::vector<message::Message> panels;
};

} // namespace tessaro::detect
