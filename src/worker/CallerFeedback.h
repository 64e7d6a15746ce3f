// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user feedback of a worker: every call reaches the caller's feedback on the caller's
// thread, in the order made. Messages and questions wait for the user, as a modal box does;
// what only shows (the status bar, the result line, the commands sent) does not.

#include "protocol/UserFeedback.h"
#include "worker/CallerQuestions.h"

namespace tessaro::worker {

class CallerFeedback final : public protocol::UserFeedback {
  public:
    // target lives on the caller's thread, the one caller runs its calls on.
    CallerFeedback(CallerMailbox& caller, protocol::UserFeedback& target,
                   CallerQuestions& questions)
        : caller_(caller), target_(target), questions_(questions) {}

    void sayTitled(link::MessageIcon icon, const message::Message& text,
                   const message::Message& title) override;
    void sayWarning(link::MessageIcon icon, const message::Message& text) override;
    bool askWhether(const message::Message& question) override;
    void portLost(std::string_view port) override;
    void showStatusPanels(const std::vector<message::Message>& panels) override;
    void showPanelText(int panel, const message::Message& text) override;
    void showDetectionResult(const message::Message& result) override;
    void showDetectionProgress(const message::Message& step) override;
    void commandSent(std::string_view bytes) override;

  private:
    // Runs show on the caller's thread without waiting for it.
    void post(std::function<void(protocol::UserFeedback&)> show);

    CallerMailbox& caller_;
    protocol::UserFeedback& target_;
    CallerQuestions& questions_;
};

} // namespace tessaro::worker
