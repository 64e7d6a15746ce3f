// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/SerialServerKind.h"

#include "link/Rfc2217Address.h"
#include "link/Rfc2217Device.h"
#include "link/SerialTransport.h"
#include "link/TransportParts.h"

namespace tessaro::link {

// "HOST:PORT"; a second scheme ("rfc2217://rfc2217://...") is a slip, not a host.
bool SerialServerKind::takesAddress(std::string_view text) const {
    return !text.starts_with(prefix) && parseRfc2217Address(text).has_value();
}

std::string SerialServerKind::addressRefusal(const std::string& quoted) const {
    const std::string spelling(prefix);
    return "Not a serial server's address: " + quoted + ": use " + spelling +
           "HOST:PORT, PORT from 1 to 65535, an IPv6 HOST in brackets (" + spelling + "[::1]:2001)";
}

// A serial line at the far end: panels and results show the port and its speed.
std::unique_ptr<Transport> SerialServerKind::makeTransport(const TransportParts& parts) const {
    return std::make_unique<SerialTransport>(std::make_unique<Rfc2217Device>(parts.timing.clock()),
                                             parts.timing, kind);
}

} // namespace tessaro::link
