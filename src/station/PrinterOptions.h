// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printer command or a station's unit is to do: the port, the speed and handshake of
// its link, the profile to send, the audit log, and how it answers and reports.

#include "link/PortRef.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaro::station {

// The speed that tells a printer command to try the search's speeds on its port.
inline constexpr std::string_view kAnySpeed = "auto";

struct PrinterOptions {
    // The port, parsed where it was given; none when none was given or the text is no port,
    // which unknownPort then keeps as given for the refusal and the record.
    std::optional<link::PortRef> port;
    std::string unknownPort;
    std::string speed = "9600";
    std::string handshake = "hardware";
    bool autodetect = false;
    std::string file;
    bool all = false;
    bool yes = false;
    bool json = false;
    std::string log; // send: the audit log a record is appended to
    // With speed auto, the speeds tried are shown on stderr as the automatic search shows
    // its steps; a station's units leave that to the port's live line.
    bool showSearch = true;

    // The port as given: "COM1", "/dev/ttyUSB0", "tcp://printer:9100"; "" when none was.
    std::string givenPort() const { return port ? port->text() : unknownPort; }
};

} // namespace tessaro::station
