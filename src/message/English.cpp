// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/English.h"

#include "message/Fill.h"
#include "message/MessageTable.h"
#include "message/ShownText.h"

#include <cstring>
#include <netdb.h>

namespace tessaro::message {

// A part a printer or a person supplied (a file name, an identity, a port) stays on the line
// it is embedded in: a line feed in it would forge a line of its own.
std::string english(const Message& message) {
    if (message.id == MessageId::Shown) {
        return message.parts.empty() ? std::string() : message.parts.front().text;
    }
    return fill(textOf(message.id).english, message.parts, [](const Part& part) -> std::string {
        switch (part.kind) {
        case Part::Kind::Verbatim:
            return shownText(part.text, LineBreaks::Escape);
        case Part::Kind::Number:
            return std::to_string(part.number);
        case Part::Kind::SystemError:
            return std::strerror(part.error);
        case Part::Kind::ResolverError:
            return ::gai_strerror(part.error);
        case Part::Kind::Nested:
            return part.nested ? english(*part.nested) : std::string();
        }
        return {};
    });
}

} // namespace tessaro::message
