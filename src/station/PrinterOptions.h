// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printer command or a station's unit is to do: the port, the speed and handshake of
// its link, the profile to send, the audit log, and how it answers and reports.

#include "link/PortRef.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::station {

struct ProfileRead;

// The speed that tells a printer command to try the search's speeds on its port.
inline constexpr std::string_view kAnySpeed = "auto";

// How a serial line's flow is controlled.
enum class Handshake { XonXoff, Hardware };
// As --handshake names it: "xonxoff", "hardware"; none for another text.
std::optional<Handshake> handshakeNamed(std::string_view name);
// The handshake as the port window's list numbers it: 0 Xon-Xoff, 1 DSR/DTR Mode.
inline int handshakeIndex(Handshake handshake) {
    return handshake == Handshake::XonXoff ? 0 : 1;
}
// As the link's settings number it: 1 XON/XOFF, 2 hardware.
inline int portHandshake(Handshake handshake) {
    return handshake == Handshake::XonXoff ? 1 : 2;
}

struct PrinterOptions {
    // The port, parsed where it was given; none when none was given or the text is no port,
    // which unknownPort then keeps as given for the refusal and the record.
    std::optional<link::PortRef> port;
    std::string unknownPort;
    std::string speed = "9600";
    Handshake handshake = Handshake::Hardware;
    bool autodetect = false;
    std::string file;
    // The profile's bytes, read once for the run (a station's units share them); none: the
    // unit reads the file as it starts.
    std::shared_ptr<const ProfileRead> profile;
    bool all = false;
    bool yes = false;
    bool json = false;
    std::string log; // send: the audit log a record is appended to
    // What the run is for (an order, a batch, an operator), in every record; none: null.
    std::optional<std::string> label;
    // With speed auto, the speeds tried are shown on stderr as the automatic search shows
    // its steps; a station's units leave that to the port's live line.
    bool showSearch = true;

    // The port as given: "COM1", "/dev/ttyUSB0", "tcp://printer:9100"; "" when none was.
    std::string givenPort() const { return port ? port->text() : unknownPort; }
    // --label as given: "" is none.
    void setLabel(const std::string& text) {
        label = text.empty() ? std::nullopt : std::optional(text);
    }
};

} // namespace tessaro::station
