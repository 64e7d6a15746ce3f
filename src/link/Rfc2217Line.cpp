// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Rfc2217Line.h"

namespace tessaro::link {

using namespace telnet;

namespace {

constexpr std::uint8_t kDataBits = 8;

std::string single(std::uint8_t value) {
    return std::string(1, static_cast<char>(value));
}

std::string parityName(std::uint8_t parity) {
    switch (parity) {
    case kParityNone:
        return "no parity";
    case kParityOdd:
        return "odd parity";
    case kParityEven:
        return "even parity";
    case kParityMark:
        return "mark parity";
    case kParitySpace:
        return "space parity";
    default:
        return "parity " + std::to_string(parity);
    }
}

std::string stopName(std::uint8_t stop) {
    switch (stop) {
    case kStopOne:
        return "1 stop bit";
    case kStopTwo:
        return "2 stop bits";
    case kStopOneAndHalf:
        return "1.5 stop bits";
    default:
        return "stop size " + std::to_string(stop);
    }
}

std::string flowName(std::uint8_t flow) {
    switch (flow) {
    case kControlNone:
        return "no flow control";
    case kControlXonXoff:
        return "XON/XOFF flow control";
    default:
        return "hardware flow control";
    }
}

std::string mismatch(const std::string& set, const std::string& asked) {
    return "the server set the line to " + set + ", not " + asked;
}

} // namespace

std::uint8_t flowControlOf(Handshake handshake) {
    switch (handshake) {
    case Handshake::None:
        return kControlNone;
    case Handshake::XonXoff:
        return kControlXonXoff;
    case Handshake::RtsCts:
    case Handshake::Both:
        break;
    }
    return kControlHardware;
}

std::string lineCommands(const LineSettings& line) {
    return TelnetCodec::comPort(SET_BAUDRATE,
                                TelnetCodec::speedValue(static_cast<std::uint32_t>(line.baud))) +
           TelnetCodec::comPort(SET_DATASIZE, single(kDataBits)) +
           TelnetCodec::comPort(SET_PARITY, single(kParityNone)) +
           TelnetCodec::comPort(SET_STOPSIZE, single(kStopOne)) +
           TelnetCodec::comPort(SET_CONTROL, single(flowControlOf(line.handshake))) +
           TelnetCodec::comPort(SET_LINESTATE_MASK, single(0)) +
           TelnetCodec::comPort(SET_MODEMSTATE_MASK, single(0));
}

bool lineConfirmed(const ComPortReplies& replies) {
    return replies.speed && replies.dataSize && replies.parity && replies.stopSize &&
           replies.flowControl;
}

std::string lineMismatch(const ComPortReplies& replies, const LineSettings& line) {
    const auto asked = static_cast<std::uint32_t>(line.baud);
    if (replies.speed && *replies.speed != asked) {
        return mismatch(std::to_string(*replies.speed) + " bit/s", std::to_string(asked));
    }
    if (replies.dataSize && *replies.dataSize != kDataBits) {
        return mismatch(std::to_string(*replies.dataSize) + " data bits",
                        std::to_string(kDataBits));
    }
    if (replies.parity && *replies.parity != kParityNone) {
        return mismatch(parityName(*replies.parity), parityName(kParityNone));
    }
    if (replies.stopSize && *replies.stopSize != kStopOne) {
        return mismatch(stopName(*replies.stopSize), stopName(kStopOne));
    }
    if (const std::uint8_t flow = flowControlOf(line.handshake);
        replies.flowControl && *replies.flowControl != flow) {
        return mismatch(flowName(*replies.flowControl), flowName(flow));
    }
    return "";
}

} // namespace tessaro::link
