// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/WorkerLink.h"

namespace tessaro::worker {

WorkerLink::WorkerLink(link::PortMap ports, const link::PrinterLink::VirtualLpt& virtualLpt,
                       CallerMailbox& caller, protocol::UserFeedback& callerFeedback,
                       CallerQuestions& questions)
    : caller_(caller), feedback_(caller, callerFeedback, questions),
      printerLink_(std::move(ports), clock_, feedback_, virtualLpt),
      detection_(printerLink_.link(), printerLink_.portIO(), printerLink_.session().printer,
                 feedback_) {}

void WorkerLink::setCancellation(const link::Cancellation* stop) {
    stop_ = stop;
    clock_.setCancellation(stop);
    detection_.setCancellation(stop);
    printerLink_.link().setCancellation(stop);
}

} // namespace tessaro::worker
