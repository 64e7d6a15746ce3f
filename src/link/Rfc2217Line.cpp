// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Rfc2217Line.h"

namespace tessaro::link {

using namespace telnet;
using message::Message;
using message::MessageId;
using message::Part;

namespace {

constexpr std::uint8_t kDataBits = 8;

std::string single(std::uint8_t value) {
    return std::string(1, static_cast<char>(value));
}

Message parityName(std::uint8_t parity) {
    switch (parity) {
    case kParityNone:
        return MessageId::LineParityNone;
    case kParityOdd:
        return MessageId::LineParityOdd;
    case kParityEven:
        return MessageId::LineParityEven;
    case kParityMark:
        return MessageId::LineParityMark;
    case kParitySpace:
        return MessageId::LineParitySpace;
    default:
        return {MessageId::LineParityCode, {Part::verbatim(std::to_string(parity))}};
    }
}

Message stopName(std::uint8_t stop) {
    switch (stop) {
    case kStopOne:
        return MessageId::LineOneStopBit;
    case kStopTwo:
        return MessageId::LineTwoStopBits;
    case kStopOneAndHalf:
        return MessageId::LineOneAndHalfStopBits;
    default:
        return {MessageId::LineStopSize, {Part::verbatim(std::to_string(stop))}};
    }
}

Message flowName(std::uint8_t flow) {
    switch (flow) {
    case kControlNone:
        return MessageId::LineNoFlowControl;
    case kControlXonXoff:
        return MessageId::LineXonXoff;
    default:
        return MessageId::LineHardwareFlow;
    }
}

Message mismatch(const Message& set, const Message& asked) {
    return {MessageId::ServerSetLineOtherwise, {Part::framed(set), Part::framed(asked)}};
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

message::Failure lineMismatch(const ComPortReplies& replies, const LineSettings& line) {
    const auto asked = static_cast<std::uint32_t>(line.baud);
    if (replies.speed && *replies.speed != asked) {
        return mismatch({MessageId::LineSpeed, {Part::verbatim(std::to_string(*replies.speed))}},
                        Message::shown(std::to_string(asked)));
    }
    if (replies.dataSize && *replies.dataSize != kDataBits) {
        return mismatch(
            {MessageId::LineDataBits, {Part::verbatim(std::to_string(*replies.dataSize))}},
            Message::shown(std::to_string(kDataBits)));
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
    return std::nullopt;
}

} // namespace tessaro::link
