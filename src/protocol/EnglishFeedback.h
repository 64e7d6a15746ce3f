// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user feedback of a front end that speaks English (the command line, the station's units,
// tests): every message is worded by message/English.h and reaches the text it shows.

#include "message/English.h"
#include "protocol/UserFeedback.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::protocol {

class EnglishFeedback : public UserFeedback {
  public:
    void sayTitled(link::MessageIcon icon, const message::Message& text,
                   const message::Message& title) final {
        message(icon, message::english(text), message::english(title));
    }
    void sayWarning(link::MessageIcon icon, const message::Message& text) final {
        warn(icon, message::english(text));
    }
    bool askWhether(const message::Message& question) final {
        return ask(message::english(question));
    }
    void showStatusPanels(const std::vector<message::Message>& panels) final {
        std::vector<std::string> texts;
        for (const message::Message& panel : panels) {
            texts.push_back(message::english(panel));
        }
        setStatusPanels(texts);
    }
    void showPanelText(int panel, const message::Message& text) final {
        setPanelText(panel, message::english(text));
    }
    void showDetectionResult(const message::Message& result) final {
        setDetectionResult(message::english(result));
    }
    void showDetectionProgress(const message::Message& step) final {
        setDetectionProgress(message::english(step));
    }

  protected:
    virtual void message(link::MessageIcon icon, std::string_view text, std::string_view title) = 0;
    virtual void warn(link::MessageIcon icon, std::string_view text) {
        message(icon, text, link::kProgramTitle);
    }
    virtual bool ask(std::string_view text) = 0;
    virtual void setStatusPanels(const std::vector<std::string>& panels) = 0;
    virtual void setPanelText(int panel, std::string_view text) = 0;
    virtual void setDetectionResult(std::string_view text) = 0;
    virtual void setDetectionProgress(std::string_view text) { setDetectionResult(text); }
};

} // namespace tessaro::protocol
