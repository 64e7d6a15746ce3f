// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/CallerFeedback.h"

#include <string>

namespace tessaro::worker {

void CallerFeedback::post(std::function<void(protocol::UserFeedback&)> show) {
    caller_.post([&target = target_, show = std::move(show)] { show(target); });
}

void CallerFeedback::sayTitled(link::MessageIcon icon, const message::Message& text,
                               const message::Message& title) {
    questions_.ask<bool>(
        [&target = target_, icon, text, title] {
            target.sayTitled(icon, text, title);
            return true;
        },
        false);
}

void CallerFeedback::sayWarning(link::MessageIcon icon, const message::Message& text) {
    questions_.ask<bool>(
        [&target = target_, icon, text] {
            target.sayWarning(icon, text);
            return true;
        },
        false);
}

bool CallerFeedback::askWhether(const message::Message& question) {
    return questions_.ask<bool>(
        [&target = target_, question] { return target.askWhether(question); }, false);
}

void CallerFeedback::portLost(std::string_view port) {
    post([port = std::string(port)](protocol::UserFeedback& target) { target.portLost(port); });
}

void CallerFeedback::showStatusPanels(const std::vector<message::Message>& panels) {
    post([panels](protocol::UserFeedback& target) { target.showStatusPanels(panels); });
}

void CallerFeedback::showPanelText(int panel, const message::Message& text) {
    post([panel, text](protocol::UserFeedback& target) { target.showPanelText(panel, text); });
}

void CallerFeedback::showDetectionResult(const message::Message& result) {
    post([result](protocol::UserFeedback& target) { target.showDetectionResult(result); });
}

void CallerFeedback::showDetectionProgress(const message::Message& step) {
    post([step](protocol::UserFeedback& target) { target.showDetectionProgress(step); });
}

void CallerFeedback::commandSent(std::string_view bytes) {
    post([bytes = std::string(bytes)](protocol::UserFeedback& target) {
        target.commandSent(bytes);
    });
}

} // namespace tessaro::worker
