// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user feedback of a front end that speaks English (the command line, the station's units,
// tests): every message is worded by message/English.h and reaches the text it shows.

#include "message/English.h"
#include "protocol/UserFeedback.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::protocol {

class EnglishFeedback : public UserFeedback {
  public:
    void sayTitled(link::MessageIcon icon, const message::Message& text,
                   const message::Message& title) final {
        message(icon, remembered(text), message::english(title));
    }
    void sayWarning(link::MessageIcon icon, const message::Message& text) final {
        warn(icon, remembered(text));
    }
    bool askWhether(const message::Message& question) final { return ask(remembered(question)); }
    void showStatusPanels(const std::vector<message::Message>& panels) final {
        std::vector<std::string> texts;
        for (const message::Message& panel : panels) {
            texts.push_back(remembered(panel));
        }
        setStatusPanels(texts);
    }
    void showPanelText(int panel, const message::Message& text) final {
        setPanelText(panel, remembered(text));
    }
    void showDetectionResult(const message::Message& result) final {
        setDetectionResult(remembered(result));
    }
    void showDetectionProgress(const message::Message& step) final {
        setDetectionProgress(remembered(step));
    }

    // A message worded in English by this feedback, for a text it is to show: valueOf finds
    // it again.
    std::string word(const message::Message& said) { return remembered(said); }
    // The message a text this feedback showed was worded from; nothing for a text it was
    // given as it is.
    std::optional<message::Message> valueOf(std::string_view text) const {
        const auto found = worded_.find(text);
        return found == worded_.end() ? std::nullopt : std::optional(found->second);
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

  private:
    std::string remembered(const message::Message& said) {
        std::string text = message::english(said);
        worded_.insert_or_assign(text, said);
        return text;
    }

    std::map<std::string, message::Message, std::less<>> worded_;
};

} // namespace tessaro::protocol
