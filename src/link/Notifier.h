// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the link layer tells the user and asks of the user: a message, a question, and that
// the port stopped answering. The window shows message boxes, the command line writes to the
// terminal, tests record.

#include "message/English.h"
#include "message/Message.h"

#include <string_view>

namespace tessaro::link {

enum class MessageIcon { Information, Critical, Exclamation, Question };

inline constexpr std::string_view kProgramTitle = "Tessaro";

class Notifier {
  public:
    virtual ~Notifier() = default;
    // A modal message with an OK button; lines are joined by CR or CR LF.
    virtual void message(MessageIcon icon, std::string_view text,
                         std::string_view title = kProgramTitle) = 0;
    // A message that refuses or warns, whatever its icon: the window shows it as any other,
    // the command line on its error stream.
    virtual void warn(MessageIcon icon, std::string_view text) { message(icon, text); }
    // The same for a message given as a value: the window words it in the user's language,
    // everything else in English.
    virtual void say(MessageIcon icon, const message::Message& said) {
        message(icon, message::english(said));
    }
    // A modal question with Yes and No; true for Yes.
    virtual bool ask(std::string_view text) = 0;
    // The printer on port ("LPT1") stopped answering in the middle of an exchange.
    virtual void portLost(std::string_view port) = 0;
};

} // namespace tessaro::link
