// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TelnetCodec.h"

#include <utility>

namespace tessaro::link {

using namespace telnet;

namespace {

constexpr char byteOf(std::uint8_t value) {
    return static_cast<char>(value);
}

} // namespace

std::string TelnetCodec::escape(std::string_view data) {
    std::string wire;
    wire.reserve(data.size());
    for (const char byte : data) {
        wire += byte;
        if (byte == byteOf(IAC)) {
            wire += byte;
        }
    }
    return wire;
}

TelnetCodec::Sent TelnetCodec::sentOf(std::string_view data, std::size_t sent) {
    Sent result;
    std::size_t escaped = 0;
    while (result.taken < data.size() && escaped < sent) {
        escaped += static_cast<std::uint8_t>(data[result.taken]) == IAC ? 2 : 1;
        ++result.taken;
    }
    result.split = escaped > sent;
    return result;
}

std::string TelnetCodec::request(Command verb, Option option) {
    return {byteOf(IAC), byteOf(verb), byteOf(option)};
}

std::string TelnetCodec::comPort(ComPort code, std::string_view value) {
    return std::string{byteOf(IAC), byteOf(SB), byteOf(COM_PORT_OPTION), byteOf(code)} +
           escape(value) + std::string{byteOf(IAC), byteOf(SE)};
}

std::string TelnetCodec::speedValue(std::uint32_t speed) {
    return {byteOf(static_cast<std::uint8_t>(speed >> 24)),
            byteOf(static_cast<std::uint8_t>(speed >> 16)),
            byteOf(static_cast<std::uint8_t>(speed >> 8)),
            byteOf(static_cast<std::uint8_t>(speed))};
}

std::string TelnetCodec::startNegotiation() {
    std::string wire;
    for (const Option option : {COM_PORT_OPTION, BINARY, SUPPRESS_GO_AHEAD}) {
        if (ours_[option] == Agreement::No) {
            ours_[option] = Agreement::Asked;
            wire += request(WILL, option);
        }
        if (theyUse(option) && theirs_[option] == Agreement::No) {
            theirs_[option] = Agreement::Asked;
            wire += request(DO, option);
        }
    }
    return wire;
}

bool TelnetCodec::weUse(std::uint8_t option) {
    return option == BINARY || option == SUPPRESS_GO_AHEAD || option == COM_PORT_OPTION;
}

bool TelnetCodec::theyUse(std::uint8_t option) {
    return option == BINARY || option == SUPPRESS_GO_AHEAD;
}

std::string TelnetCodec::takeAnswers() {
    return std::exchange(answers_, std::string{});
}

void TelnetCodec::decode(std::string_view bytes, std::string& data) {
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        switch (state_) {
        case State::Data:
            if (byte == IAC) {
                state_ = State::Command;
            } else {
                data += c; // CR NUL and CR LF are data like any other in binary mode
            }
            break;
        case State::Command:
            command(byte, data);
            break;
        case State::Option:
            option(byte);
            state_ = State::Data;
            break;
        case State::Subnegotiation:
            if (byte == IAC) {
                state_ = State::SubnegotiationCommand;
            } else {
                keep(c);
            }
            break;
        case State::SubnegotiationCommand:
            if (byte == IAC) { // a doubled 0xFF within the value
                state_ = State::Subnegotiation;
                keep(c);
            } else if (byte == SE) {
                endSubnegotiation();
                state_ = State::Data;
            } else {
                // Not how a subnegotiation ends: it is dropped, the command taken as it is.
                subnegotiation_.clear();
                overlong_ = false;
                command(byte, data);
            }
            break;
        }
    }
}

// A byte of a subnegotiation, while it is short enough to be one this end reads.
void TelnetCodec::keep(char byte) {
    if (subnegotiation_.size() < kMaxSubnegotiation) {
        subnegotiation_ += byte;
    } else {
        overlong_ = true;
    }
}

// The byte after an IAC outside a subnegotiation.
void TelnetCodec::command(std::uint8_t byte, std::string& data) {
    state_ = State::Data;
    switch (byte) {
    case IAC:
        data += byteOf(IAC);
        break;
    case WILL:
    case WONT:
    case DO:
    case DONT:
        verb_ = byte;
        state_ = State::Option;
        break;
    case SB:
        subnegotiation_.clear();
        overlong_ = false;
        state_ = State::Subnegotiation;
        break;
    default:
        break; // NOP, GA, a break, an SE without SB or no command at all: nothing to do
    }
}

// RFC 1143's rules without the ones for turning an option off, as this end never does: an
// agreement that was asked for is taken without an answer, one already in place is never
// answered again, a change is answered once.
void TelnetCodec::option(std::uint8_t option) {
    const auto answer = [this, option](Command verb) {
        answers_ += std::string{byteOf(IAC), byteOf(verb), byteOf(option)};
    };
    Agreement& ours = ours_[option];
    Agreement& theirs = theirs_[option];
    switch (verb_) {
    case DO:
        if (!weUse(option)) {
            answer(WONT);
        } else if (ours != Agreement::Yes) {
            if (ours == Agreement::No) {
                answer(WILL);
            }
            ours = Agreement::Yes;
        }
        break;
    case DONT:
        if (option == COM_PORT_OPTION && ours != Agreement::No) {
            comPortRefused_ = true;
        }
        if (ours == Agreement::Yes) {
            answer(WONT);
        }
        ours = Agreement::No;
        break;
    case WILL:
        if (!theyUse(option)) {
            answer(DONT);
        } else if (theirs != Agreement::Yes) {
            if (theirs == Agreement::No) {
                answer(DO);
            }
            theirs = Agreement::Yes;
        }
        break;
    case WONT:
        if (theirs == Agreement::Yes) {
            answer(DONT);
        }
        theirs = Agreement::No;
        break;
    default:
        break;
    }
}

void TelnetCodec::endSubnegotiation() {
    const std::string_view sub = subnegotiation_;
    const bool whole = !overlong_ && sub.size() >= 2;
    if (!whole || static_cast<std::uint8_t>(sub[0]) != COM_PORT_OPTION) {
        return;
    }
    const auto code = static_cast<std::uint8_t>(sub[1]);
    const std::string_view value = sub.substr(2);
    if (code == kServerCodeOffset + SET_BAUDRATE) {
        if (value.size() == 4) {
            std::uint32_t speed = 0;
            for (const char byte : value) {
                speed = speed << 8 | static_cast<std::uint8_t>(byte);
            }
            replies_.speed = speed;
        }
        return;
    }
    if (value.size() != 1) {
        return;
    }
    const auto setting = static_cast<std::uint8_t>(value[0]);
    switch (code) {
    case kServerCodeOffset + SET_DATASIZE:
        replies_.dataSize = setting;
        break;
    case kServerCodeOffset + SET_PARITY:
        replies_.parity = setting;
        break;
    case kServerCodeOffset + SET_STOPSIZE:
        replies_.stopSize = setting;
        break;
    case kServerCodeOffset + SET_CONTROL:
        // The same code carries break, DTR and RTS; only outbound flow control is asked for.
        if (setting >= kControlNone && setting <= kControlHardware) {
            replies_.flowControl = setting;
        }
        break;
    default:
        break; // the signature, line and modem state and the rest: nothing this end needs
    }
}

} // namespace tessaro::link
