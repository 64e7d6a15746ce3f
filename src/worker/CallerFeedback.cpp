// SPDX-License-Identifier: GPL-3.0-or-later
#include "worker/CallerFeedback.h"

#include <string>

namespace tessaro::worker {

void CallerFeedback::post(std::function<void(protocol::UserFeedback&)> show) {
    caller_.post([&target = target_, show = std::move(show)] { show(target); });
}

void CallerFeedback::message(link::MessageIcon icon, std::string_view text,
                             std::string_view title) {
    questions_.ask<bool>(
        [&target = target_, icon, text = std::string(text), title = std::string(title)] {
            target.message(icon, text, title);
            return true;
        },
        false);
}

void CallerFeedback::say(link::MessageIcon icon, const message::Message& said) {
    questions_.ask<bool>(
        [&target = target_, icon, said] {
            target.say(icon, said);
            return true;
        },
        false);
}

void CallerFeedback::warn(link::MessageIcon icon, std::string_view text) {
    questions_.ask<bool>(
        [&target = target_, icon, text = std::string(text)] {
            target.warn(icon, text);
            return true;
        },
        false);
}

bool CallerFeedback::ask(std::string_view text) {
    return questions_.ask<bool>(
        [&target = target_, text = std::string(text)] { return target.ask(text); }, false);
}

void CallerFeedback::portLost(std::string_view port) {
    post([port = std::string(port)](protocol::UserFeedback& target) { target.portLost(port); });
}

void CallerFeedback::setStatusPanels(const std::vector<std::string>& panels) {
    post([panels](protocol::UserFeedback& target) { target.setStatusPanels(panels); });
}

void CallerFeedback::setPanelText(int panel, std::string_view text) {
    post([panel, text = std::string(text)](protocol::UserFeedback& target) {
        target.setPanelText(panel, text);
    });
}

void CallerFeedback::setBusy(bool busy) {
    post([busy](protocol::UserFeedback& target) { target.setBusy(busy); });
}

void CallerFeedback::enablePrinterCommands(bool enabled) {
    post([enabled](protocol::UserFeedback& target) { target.enablePrinterCommands(enabled); });
}

void CallerFeedback::setDetectionResult(std::string_view text) {
    post([text = std::string(text)](protocol::UserFeedback& target) {
        target.setDetectionResult(text);
    });
}

void CallerFeedback::showStatusPanels(const std::vector<message::Message>& panels) {
    post([panels](protocol::UserFeedback& target) { target.showStatusPanels(panels); });
}

void CallerFeedback::showDetectionResult(const message::Message& result) {
    post([result](protocol::UserFeedback& target) { target.showDetectionResult(result); });
}

void CallerFeedback::setDetectionProgress(std::string_view text) {
    post([text = std::string(text)](protocol::UserFeedback& target) {
        target.setDetectionProgress(text);
    });
}

void CallerFeedback::commandSent(std::string_view bytes) {
    post([bytes = std::string(bytes)](protocol::UserFeedback& target) {
        target.commandSent(bytes);
    });
}

} // namespace tessaro::worker
