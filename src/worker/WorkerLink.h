// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printer's worker owns on its thread: its clock, its link to the printer (made and
// used on that thread alone), the session the link and the printer are in, the feedback that
// reaches the caller, and detection on that link.

#include "detect/Detection.h"
#include "link/Cancellation.h"
#include "link/Clock.h"
#include "link/PrinterLink.h"
#include "worker/CallerFeedback.h"

namespace tessaro::worker {

class WorkerLink {
  public:
    WorkerLink(link::PortMap ports, const link::PrinterLink::VirtualLpt& virtualLpt,
               CallerMailbox& caller, protocol::UserFeedback& callerFeedback,
               CallerQuestions& questions);

    link::SubCom& link() { return printerLink_.link(); }
    link::Session& session() { return printerLink_.session(); }
    link::PrinterLink& printerLink() { return printerLink_; }
    protocol::UserFeedback& feedback() { return feedback_; }
    detect::Detection& detection() { return detection_; }

    // The operation about to run, stopped by stop (every wait of it ends at once); nullptr
    // once it is over.
    void setCancellation(const link::Cancellation* stop);
    const link::Cancellation* cancellation() const { return stop_; }
    // Runs call on the caller's thread, after what the operation showed before.
    void toCaller(std::function<void()> call) { caller_.post(std::move(call)); }

  private:
    CallerMailbox& caller_;
    const link::Cancellation* stop_ = nullptr;
    link::SteadyClock clock_;
    CallerFeedback feedback_;
    link::PrinterLink printerLink_;
    detect::Detection detection_;
};

} // namespace tessaro::worker
