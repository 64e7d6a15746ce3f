// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/kinds/ParallelKind.h"

#include "link/ParallelTransport.h"
#include "link/PortMap.h"
#include "link/TransportParts.h"

namespace tessaro::link {

std::string ParallelKind::numberedDevice(const PortMap& ports, int n) const {
    return ports.lpt(n).device;
}

// An LPT is there when it stands for a kernel parallel port or for the virtual printer: the
// port list, the window, a detection, the search and the parallel driver all go by this.
bool ParallelKind::present(const PortMap& ports, const PortRef& port) const {
    return ports.lpt(port.number()).kind == LptPort::Kind::Virtual ||
           ports.parallelDevice(port.number()).has_value();
}

// An LPT given by its device path is LPT1 of the session and keeps its path as its name.
PortRef ParallelKind::resolve(const PortRef& given, PortMap& ports) const {
    if (given.byDevice()) {
        ports.assignLpt1(given.device());
    }
    return given;
}

message::Message ParallelKind::absentReason(const PortMap& ports, const PortRef& port) const {
    if (ports.deviceOf(port).empty()) {
        return LinkKindDescriptor::absentReason(ports, port);
    }
    return {message::MessageId::PortReason,
            {message::Part::verbatim(ports.describe(port)),
             message::Part::framed(message::MessageId::NoSuchDevice)}};
}

std::unique_ptr<Transport> ParallelKind::makeTransport(const TransportParts& parts) const {
    return std::make_unique<ParallelTransport>(parts.parallel, parts.timing, parts.feedback,
                                               parts.session.link);
}

} // namespace tessaro::link
