// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message id with the word the JSON output names it by and its English text, where %1,
// %2, ... stand for its parts in order. The window translates the same English text (context
// "Message"), so the wording lives here once.

#include "message/Message.h"

#include <string_view>

namespace tessaro::message {

struct MessageText {
    std::string_view word; // snake_case, stable: "no_printer_at_speed"
    const char* english;
};

inline constexpr const char* kMessageContext = "Message";

// An id without its row does not compile (-Wswitch, -Werror).
MessageText textOf(MessageId id);

// The word a script tells a message by (the JSON message_id): its id's word, or for a frame
// that only joins others ("%1: %2") the word of what it frames last; "" for a text shown as it
// is, which no id names.
std::string_view messageWord(const Message& message);

} // namespace tessaro::message
