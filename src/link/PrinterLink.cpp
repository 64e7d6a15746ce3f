// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PrinterLink.h"

#include "link/Ieee1284PortIO.h"

namespace tessaro::link {
namespace {

std::unique_ptr<PortIO> makePortIO(const PortMap& ports, Clock& clock,
                                   const PrinterLink::VirtualLpt& virtualLpt) {
    for (int n = 1; n <= kLptPorts; ++n) {
        if (ports.lpt(n).kind == LptPort::Kind::Virtual && virtualLpt) {
            return virtualLpt(n, clock);
        }
    }
    return std::make_unique<Ieee1284PortIO>(ports);
}

} // namespace

PrinterLink::PrinterLink(PortMap ports, Clock& clock, Notifier& feedback,
                         const VirtualLpt& virtualLpt)
    : ports_(std::move(ports)), serial_(ports_, clock),
      portIO_(makePortIO(ports_, clock, virtualLpt)), parallel_(*portIO_, clock, feedback),
      timing_(clock), link_(session_, serial_, parallel_, timing_, feedback, ports_) {}

PrinterLink::~PrinterLink() {
    link_.CloseCom();
}

} // namespace tessaro::link
