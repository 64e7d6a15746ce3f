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

    void message(link::MessageIcon icon, std::string_view text, std::string_view title) override;
    void warn(link::MessageIcon icon, std::string_view text) override;
    void say(link::MessageIcon icon, const message::Message& said) override;
    bool ask(std::string_view text) override;
    void portLost(std::string_view port) override;
    void setStatusPanels(const std::vector<std::string>& panels) override;
    void showStatusPanels(const std::vector<message::Message>& panels) override;
    void setPanelText(int panel, std::string_view text) override;
    void setBusy(bool busy) override;
    void enablePrinterCommands(bool enabled) override;
    void setDetectionResult(std::string_view text) override;
    void showDetectionResult(const message::Message& result) override;
    void setDetectionProgress(std::string_view text) override;
    void commandSent(std::string_view bytes) override;

  private:
    // Runs show on the caller's thread without waiting for it.
    void post(std::function<void(protocol::UserFeedback&)> show);

    CallerMailbox& caller_;
    protocol::UserFeedback& target_;
    CallerQuestions& questions_;
};

} // namespace tessaro::worker
