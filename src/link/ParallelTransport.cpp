// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ParallelTransport.h"

namespace tessaro::link {

message::Failure ParallelTransport::open(const PortRef& port, std::string_view, int) {
    const bool opened = parallel_.OpenLPT(static_cast<std::uint8_t>(port.number()));
    tempo_.Delay(10);
    return opened ? std::nullopt : parallel_.OpenFailure;
}

std::string ParallelTransport::readReply() {
    std::string text;
    std::uint8_t b = 0;
    bool ok = true;
    do {
        ok = parallel_.ByteModeRead(b);
        text += static_cast<char>(b);
    } while (ok && b != 0 && text.size() < kMaxReply);
    if (!ok) {
        reportReadError();
    }
    return text;
}

// A parallel printer answers when its reply is read: there is nothing to wait for.
std::optional<std::uint8_t> ParallelTransport::readByte(int waitMs) {
    (void)waitMs;
    std::uint8_t b = 0;
    if (!parallel_.ByteModeRead(b)) {
        reportReadError();
        return std::nullopt;
    }
    return b;
}

Answer ParallelTransport::takeAnswer() {
    std::uint8_t b = 0;
    if (!parallel_.ByteModeRead(b)) {
        return {Answer::Kind::Unreadable, b};
    }
    return {Answer::Kind::Byte, b};
}

void ParallelTransport::reportReadError() {
    const std::string port = "LPT" + std::to_string(settings_.Port.number());
    feedback_.say(MessageIcon::Critical,
                  {message::MessageId::ByteModeError, {message::Part::verbatim(port)}});
    feedback_.portLost(port);
}

} // namespace tessaro::link
