// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialTransport.h"

namespace tessaro::link {

// A serial port given by its device path shows the path in its panel.
message::Message SerialTransport::panelText(const PortRef& port, std::string_view speed) const {
    if (name_) {
        return message::Message::shown(name_(port));
    }
    const std::string name =
        port.byDevice()    ? port.shownName()
        : port.byAddress() ? port.shownText()
                           : std::string(port.row().prefix) + "  " + std::to_string(port.number());
    return {message::MessageId::PortPanelAtSpeed,
            {message::Part::verbatim(name), message::Part::verbatim(std::string(speed))}};
}

std::string SerialTransport::resultName(const PortRef& port) const {
    if (name_) {
        return name_(port);
    }
    return port.byAddress() ? port.shownText() : port.shownName();
}

message::Failure SerialTransport::open(const PortRef& port, std::string_view speed, int handshake) {
    if (serial_.portOpen()) {
        return std::nullopt;
    }
    serial_.setCommPort(port);
    serial_.setSettings(std::string(speed) + ",N,8,1");
    serial_.setHandshaking(handshake);
    message::Failure failure = serial_.open();
    if (!failure) {
        serial_.setInputLen(100);
    }
    return failure;
}

void SerialTransport::close() {
    if (serial_.portOpen()) {
        serial_.close();
    }
}

std::string SerialTransport::readReply() {
    // Sleeps in the system until the first byte, without handling window events.
    if (serial_.inBufferCount() == 0 && !serial_.waitForInput(kFirstByteTimeoutMs)) {
        return "";
    }
    serial_.setInputMode(0);
    tempo_.Delay(100);
    return serial_.input();
}

// The reply is taken as soon as it begins: a printer, or a USB-serial adapter, that is slow
// to answer is waited for, a quick one is not.
std::optional<std::uint8_t> SerialTransport::readByte(int waitMs) {
    if (serial_.inBufferCount() == 0 && !serial_.waitForInput(waitMs)) {
        return std::nullopt;
    }
    serial_.setInputMode(1);
    const std::string bytes = serial_.input();
    serial_.setInputMode(0);
    if (bytes.empty()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(bytes.front());
}

void SerialTransport::expectAnswer() {
    serial_.setInputMode(1);
    serial_.discardInput(); // only the answer to the next request may count
}

// The printer answers in order: when a late answer to an earlier request came in the same
// wait, the answer asked for is the byte that came last.
Answer SerialTransport::takeAnswer() {
    if (serial_.inBufferCount() == 0) {
        return {Answer::Kind::None};
    }
    const std::string bytes = serial_.input().substr(0, 100);
    if (bytes.empty()) {
        return {Answer::Kind::Unreadable};
    }
    return {Answer::Kind::Byte, static_cast<std::uint8_t>(bytes.back())};
}

} // namespace tessaro::link
