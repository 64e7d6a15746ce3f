// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link layer tells the user and asks of the user: a message, a question, and that
// the port stopped answering, each given as a value (message/Message.h) that the front end
// words: the window in the user's language, the command line and tests in English
// (protocol/EnglishFeedback.h).

#include "message/Message.h"

#include <string_view>

namespace tessaro::link {

enum class MessageIcon { Information, Critical, Exclamation, Question };

inline constexpr std::string_view kProgramTitle = "Tessaro";

class Notifier {
  public:
    virtual ~Notifier() = default;
    // A modal message with an OK button, under a title of its own; lines are joined by CR or
    // CR LF.
    virtual void sayTitled(MessageIcon icon, const message::Message& text,
                           const message::Message& title) = 0;
    // The same under the program's name.
    void say(MessageIcon icon, const message::Message& text) {
        sayTitled(icon, text, message::Message::shown(std::string(kProgramTitle)));
    }
    // A message that refuses or warns, whatever its icon: the window shows it as any other,
    // the command line on its error stream.
    virtual void sayWarning(MessageIcon icon, const message::Message& text) { say(icon, text); }
    // A modal question with Yes and No; true for Yes.
    virtual bool askWhether(const message::Message& question) = 0;
    // The printer on port ("LPT1") stopped answering in the middle of an exchange.
    virtual void portLost(std::string_view port) = 0;
};

} // namespace tessaro::link
