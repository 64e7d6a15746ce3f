// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/SerialKind.h"

#include "link/PortMap.h"
#include "link/SerialTransport.h"
#include "link/TransportParts.h"

namespace tessaro::link {

std::string SerialKind::numberedDevice(const PortMap& ports, int n) const {
    return ports.comDevice(n);
}

std::unique_ptr<Transport> SerialKind::makeTransport(const TransportParts& parts) const {
    return std::make_unique<SerialTransport>(parts.serial, parts.timing, kind);
}

message::Message SerialKind::searchStep(std::string port, std::string_view speed) const {
    return {
        message::MessageId::ContactingPrinterAtSpeed,
        {message::Part::verbatim(std::move(port)), message::Part::verbatim(std::string(speed))}};
}

} // namespace tessaro::link
