// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/NetworkKind.h"

#include "link/NetworkAddress.h"
#include "link/NetworkPrinterDevice.h"
#include "link/PortRef.h"
#include "link/SerialTransport.h"
#include "link/TransportParts.h"
#include "message/ShownText.h"

namespace tessaro::link {
namespace {

// "HOST:PORT" with the usual port filled in, as results and panels show the printer.
std::string shownAddress(const PortRef& port) {
    const std::optional<NetworkAddress> address = parseNetworkAddress(port.address());
    return address ? address->text() : message::oneLine(port.address());
}

} // namespace

bool NetworkKind::takesAddress(std::string_view text) const {
    return parseNetworkAddress(text).has_value();
}

std::string NetworkKind::addressRefusal(const std::string& quoted) const {
    const std::string spelling(prefix);
    return "Not a network printer's address: " + quoted + ": use " + spelling + "HOST or " +
           spelling + "HOST:PORT, PORT from 1 to 65535, an IPv6 HOST in brackets (" + spelling +
           "[::1]:" + std::to_string(kDefaultNetworkPort) + ")";
}

std::string NetworkKind::deviceText(const PortMap&, const PortRef& port) const {
    return shownAddress(port);
}

std::unique_ptr<Transport> NetworkKind::makeTransport(const TransportParts& parts) const {
    return std::make_unique<SerialTransport>(
        std::make_unique<NetworkPrinterDevice>(parts.timing.clock()), parts.timing, kind,
        shownAddress);
}

} // namespace tessaro::link
