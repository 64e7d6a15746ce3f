// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sending the workspace to the printer: the command of every parameter to send, the serial
// speed on the way, then the saving sequence whose one-byte reply says whether the printer
// stored them as its power-on defaults.

#include "link/Cancellation.h"
#include "link/Session.h"
#include "link/SubCom.h"
#include "protocol/CommandBytes.h"
#include "protocol/UserFeedback.h"
#include "workspace/Workspace.h"

#include <string>
#include <string_view>

namespace tessaro::protocol {

class Transmission {
  public:
    Transmission(workspace::Workspace& workspace, link::SubCom& link, link::PrinterFacts& facts,
                 protocol::UserFeedback& feedback);

    // Sends the modified parameters, or all of them; true only when the printer stored them.
    bool SendParameters(bool sendAll);
    // Sends one command and shows its status text.
    void SendCommand(std::string_view command, std::string_view text);
    // What stops a transmission under way: no command is sent after it, the saving sequence
    // neither; once the saving request is out, its answer is awaited all the same, so that
    // what is reported is what the printer said. nullptr: nothing.
    void setCancellation(const link::Cancellation* stop) { stop_ = stop; }
    // Why the last SendParameters could not use the port; None when it could.
    link::PortProblem portProblem() const { return problem_; }

  private:
    bool written(std::string_view command);
    bool sendCommands(bool sendAll);
    bool sendSerialSpeed(const PlannedCommand& command);
    bool reopenAtSpeed(const std::string& speed);
    bool saveParameters();
    bool linkLost();
    bool stopped() const { return stop_ != nullptr && stop_->cancelled(); }
    void fail(const message::Message& message);
    void portFailed(const message::Message& message);

    workspace::Workspace& workspace_;
    link::SubCom& link_;
    link::PrinterFacts& facts_;
    protocol::UserFeedback& feedback_;
    bool success_ = true;
    link::PortProblem problem_ = link::PortProblem::None;
    const link::Cancellation* stop_ = nullptr;
};

} // namespace tessaro::protocol
