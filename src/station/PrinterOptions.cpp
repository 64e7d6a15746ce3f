// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/PrinterOptions.h"

namespace tessaro::station {

std::optional<Handshake> handshakeNamed(std::string_view name) {
    if (name == "xonxoff") {
        return Handshake::XonXoff;
    }
    if (name == "hardware") {
        return Handshake::Hardware;
    }
    return std::nullopt;
}

} // namespace tessaro::station
