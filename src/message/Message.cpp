// SPDX-License-Identifier: GPL-3.0-or-later
#include "message/Message.h"

namespace tessaro::message {

Part Part::verbatim(std::string text) {
    Part part;
    part.text = std::move(text);
    return part;
}

Part Part::count(long long number) {
    Part part;
    part.kind = Kind::Number;
    part.number = number;
    return part;
}

Part Part::systemError(int error) {
    Part part;
    part.kind = Kind::SystemError;
    part.error = error;
    return part;
}

Part Part::resolverError(int code) {
    Part part;
    part.kind = Kind::ResolverError;
    part.error = code;
    return part;
}

Part Part::framed(Message message) {
    Part part;
    part.kind = Kind::Nested;
    part.nested = std::make_shared<const Message>(std::move(message));
    return part;
}

Message Message::shown(std::string text) {
    return {MessageId::Shown, {Part::verbatim(std::move(text))}};
}

} // namespace tessaro::message
