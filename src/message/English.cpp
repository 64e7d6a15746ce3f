// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/English.h"

#include "message/Fill.h"
#include "message/MessageTable.h"

#include <cstring>
#include <netdb.h>

namespace tessaro::message {

std::string english(const Message& message) {
    return fill(textOf(message.id).english, message.parts, [](const Part& part) -> std::string {
        switch (part.kind) {
        case Part::Kind::Verbatim:
            return part.text;
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
