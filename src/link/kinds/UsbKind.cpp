// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/UsbKind.h"

#include "link/PortMap.h"
#include "link/SerialTransport.h"
#include "link/TransportParts.h"
#include "link/UsbPrinterDevice.h"

namespace tessaro::link {

std::string UsbKind::numberedDevice(const PortMap& ports, int n) const {
    return ports.usbDevice(n);
}

// Reached through the USB printer device the port map names; panels and results name the
// port without a speed.
std::unique_ptr<Transport> UsbKind::makeTransport(const TransportParts& parts) const {
    return std::make_unique<SerialTransport>(
        std::make_unique<UsbPrinterDevice>(parts.ports, parts.timing.clock()), parts.timing, kind,
        [](const PortRef& port) { return port.shownName(); });
}

message::Message UsbKind::searchStep(std::string port, std::string_view) const {
    return {message::MessageId::ContactingPrinterOnPort,
            {message::Part::verbatim(std::move(port))}};
}

} // namespace tessaro::link
