// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/VirtualSerialControl.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tessaro::sim {
namespace {

// The speed of a settings text when its framing is the printer's (no parity, 8 data bits,
// 1 stop bit), -1 when the framing differs, nothing when the text is not settings at all.
std::optional<int> speedOf(std::string_view settings) {
    const auto comma = settings.find(',');
    const std::string_view speed = settings.substr(0, comma);
    int baud = 0;
    const auto [end, error] = std::from_chars(speed.data(), speed.data() + speed.size(), baud);
    if (error != std::errc{} || end != speed.data() + speed.size() || baud <= 0 ||
        comma == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view framing = settings.substr(comma + 1);
    return framing == "N,8,1" || framing == "n,8,1" ? baud : -1;
}

} // namespace

VirtualSerialControl::VirtualSerialControl(PrinterModel& printer, link::VirtualClock& clock,
                                           int printerPort)
    : printer_(printer), clock_(clock), printerPort_(printerPort), port_(printerPort) {}

void VirtualSerialControl::addSilentPort(int port) {
    silentPorts_.insert(port);
}

void VirtualSerialControl::setInUse(int port, bool inUse) {
    if (inUse) {
        inUse_.insert(port);
    } else {
        inUse_.erase(port);
    }
}

void VirtualSerialControl::unplug() {
    unplugged_ = true;
    if (onPrinter()) {
        faultUnseen_ = true;
        open_ = false;
        received_.clear();
    }
}

void VirtualSerialControl::plugIn() {
    unplugged_ = false;
}

std::vector<std::string> VirtualSerialControl::written() const {
    std::vector<std::string> all;
    for (const Session& session : sessions_) {
        all.push_back(session.written);
    }
    return all;
}

std::vector<std::string> VirtualSerialControl::openedSettings() const {
    std::vector<std::string> all;
    for (const Session& session : sessions_) {
        all.push_back(session.settings);
    }
    return all;
}

std::string VirtualSerialControl::name() const {
    return "COM" + std::to_string(port_);
}

std::string VirtualSerialControl::openError() {
    using link::PortProblem;
    if (open_) {
        problem_ = PortProblem::InUse;
        return name() + ": port already open";
    }
    if (port_ == printerPort_ && unplugged_) {
        problem_ = PortProblem::Absent;
        return name() + ": device disconnected";
    }
    if (port_ != printerPort_ && silentPorts_.count(port_) == 0) {
        problem_ = PortProblem::Absent;
        return name() + ": no such port";
    }
    if (inUse_.count(port_) != 0) {
        problem_ = PortProblem::InUse;
        return name() + ": port in use";
    }
    if (!speedOf(settings_)) {
        problem_ = PortProblem::Unusable;
        return name() + ": invalid settings \"" + settings_ + "\"";
    }
    problem_ = PortProblem::None;
    return "";
}

// The virtual port's refusals are its own words, after the port's name.
message::Failure VirtualSerialControl::open() {
    if (std::string error = openError(); !error.empty()) {
        return message::Message::shown(std::move(error));
    }
    open_ = true;
    openBaud_ = *speedOf(settings_);
    sessions_.push_back({port_, settings_, handshake_, {}});
    received_.clear();
    if (onPrinter()) {
        // What the printer sent while the port was closed is lost.
        printer_.takeReply(printer_.replyReady());
    }
    return std::nullopt;
}

void VirtualSerialControl::close() {
    open_ = false;
    received_.clear();
}

void VirtualSerialControl::output(std::string_view bytes) {
    if (!open_) {
        pull(); // a write to a vanished adapter fails at once, and says why
        return;
    }
    sessions_.back().written.append(bytes);
    if (onPrinter()) {
        printer_.receiveAtSpeed(bytes, openBaud_);
    }
}

message::Failure VirtualSerialControl::takeFault() {
    return std::exchange(fault_, std::nullopt);
}

void VirtualSerialControl::pull() {
    if (std::exchange(faultUnseen_, false)) {
        fault_ = message::Message(message::MessageId::PortReason,
                                  {message::Part::verbatim(name()),
                                   message::Part::framed(message::MessageId::DeviceDisconnected)});
        problem_ = link::PortProblem::Lost;
    }
    if (onPrinter()) {
        const std::size_t room = kReceiveCapacity - received_.size();
        received_ += printer_.takeReplyAt(std::min(room, printer_.replyReady()), openBaud_);
    }
}

int VirtualSerialControl::inBufferCount() {
    pull();
    return static_cast<int>(received_.size());
}

void VirtualSerialControl::discardInput() {
    pull();
    received_.clear();
}

std::string VirtualSerialControl::input() {
    pull();
    const std::size_t count =
        inputLen_ > 0 ? static_cast<std::size_t>(inputLen_) : received_.size();
    std::string bytes = received_.substr(0, count);
    received_.erase(0, bytes.size());
    return bytes;
}

bool VirtualSerialControl::waitForInput(int ms) {
    const link::Micros end = clock_.now() + std::chrono::milliseconds(std::max(0, ms));
    for (;;) {
        pull();
        if (!received_.empty()) {
            return true;
        }
        const link::Micros now = clock_.now();
        if (now >= end) {
            return false;
        }
        const auto next = onPrinter() ? printer_.nextReplyAt() : std::nullopt;
        const link::Micros until = next && *next > now ? std::min(*next, end) : end;
        clock_.advance(until - now);
    }
}

} // namespace tessaro::sim
