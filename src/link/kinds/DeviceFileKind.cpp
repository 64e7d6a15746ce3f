// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/DeviceFileKind.h"

#include "link/PortMap.h"

namespace tessaro::link {

bool DeviceFileKind::present(const PortMap& ports, const PortRef& port) const {
    return ports.hasDevice(port);
}

PortRef DeviceFileKind::resolve(const PortRef& given, PortMap& ports) const {
    return ports.numberedIfMapped(given);
}

} // namespace tessaro::link
