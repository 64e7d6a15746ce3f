// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records what the core tells the user, in order, and answers its questions as scripted.

#include "protocol/EnglishFeedback.h"

#include <deque>
#include <string>
#include <vector>

namespace tessaro::test {

struct Message {
    link::MessageIcon icon;
    std::string text;
    std::string title;
};

class FeedbackRecorder final : public protocol::EnglishFeedback {
  public:
    void message(link::MessageIcon icon, std::string_view text, std::string_view title) override {
        messages.push_back({icon, std::string(text), std::string(title)});
        events.push_back("message: " + std::string(text));
    }
    bool ask(std::string_view text) override {
        questions.emplace_back(text);
        events.push_back("ask: " + std::string(text));
        const bool answer = answers.empty() ? false : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void setStatusPanels(const std::vector<std::string>& newPanels) override {
        panels = newPanels;
        events.push_back("panels: " + (panels.empty() ? std::string() : panels.front()));
    }
    void setPanelText(int panel, std::string_view text) override {
        if (panel >= 0 && static_cast<std::size_t>(panel) < panels.size()) {
            panels[static_cast<std::size_t>(panel)] = std::string(text);
        }
        events.push_back("panel " + std::to_string(panel) + ": " + std::string(text));
    }
    void setDetectionResult(std::string_view text) override {
        detectionResult = std::string(text);
        events.push_back("result: " + detectionResult);
    }

    // The texts of the messages, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> shown;
        for (const Message& m : messages) {
            shown.push_back(m.text);
        }
        return shown;
    }

    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<std::string> panels;
    std::vector<std::string> events;
    std::string detectionResult;
};

} // namespace tessaro::test
