// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LinkKindDescriptor.h"

#include "link/PortDiagnosis.h"
#include "link/PortMap.h"
#include "link/PortRef.h"

namespace tessaro::link {

using message::Message;
using message::MessageId;
using message::Part;

bool LinkKindDescriptor::takesAddress(std::string_view) const {
    return false;
}

std::string LinkKindDescriptor::addressRefusal(const std::string&) const {
    return {};
}

std::string LinkKindDescriptor::numberedDevice(const PortMap&, int) const {
    return {};
}

bool LinkKindDescriptor::present(const PortMap&, const PortRef&) const {
    return true;
}

PortRef LinkKindDescriptor::resolve(const PortRef& given, PortMap&) const {
    return given;
}

message::Message LinkKindDescriptor::absentReason(const PortMap& ports, const PortRef& port) const {
    const std::string device = ports.deviceOf(port);
    if (device.empty()) {
        return {message::MessageId::NoDeviceHasNumber,
                {Part::verbatim(port.shownText()), Part::framed(noun)}};
    }
    return {message::MessageId::PortReason,
            {Part::verbatim(ports.describe(port)),
             Part::framed(vanished(device, message::MessageId::NoSuchDevice))}};
}

std::string LinkKindDescriptor::deviceText(const PortMap& ports, const PortRef& port) const {
    return ports.deviceOf(port);
}

message::Message LinkKindDescriptor::searchStep(std::string port, std::string_view) const {
    return {message::MessageId::ContactingPrinterOn, {message::Part::verbatim(std::move(port))}};
}

} // namespace tessaro::link
