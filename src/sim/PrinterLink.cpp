#include "sim/PrinterLink.h"

#include "sim/PortIOFactory.h"

namespace tessaro::sim {

PrinterLink::PrinterLink(link::PortMap ports, link::Clock& clock, link::UserFeedback& feedback)
    : ports_(std::move(ports)), serial_(ports_), portIO_(makePortIO(ports_, clock)),
      parallel_(*portIO_, clock, feedback), timing_(clock),
      link_(settings_, serial_, parallel_, timing_, feedback, ports_) {}

PrinterLink::~PrinterLink() {
    link_.CloseCom();
}

} // namespace tessaro::sim
