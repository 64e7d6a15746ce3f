// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers a serial server speaks: the telnet commands (RFC 854), the options this
// program negotiates, and the com-port commands (RFC 2217) a client sends. The server
// answers each com-port command with the client's code plus kServerCodeOffset.

#include <cstdint>

namespace tessaro::link::telnet {

// Telnet commands: each follows IAC.
enum Command : std::uint8_t {
    SE = 240,   // end of a subnegotiation
    NOP = 241,  // no operation
    DM = 242,   // data mark
    BRK = 243,  // break
    IP = 244,   // interrupt process
    AO = 245,   // abort output
    AYT = 246,  // are you there
    EC = 247,   // erase character
    EL = 248,   // erase line
    GA = 249,   // go ahead
    SB = 250,   // start of a subnegotiation
    WILL = 251, // the sender offers to use an option, or agrees to
    WONT = 252, // the sender refuses to use an option, or stops
    DO = 253,   // the sender asks the other end to use an option, or agrees to its offer
    DONT = 254, // the sender asks the other end not to use an option
    IAC = 255,  // the command escape; doubled in data and subnegotiations
};

// The options this program knows: it takes BINARY and SUPPRESS-GO-AHEAD both ways and offers
// COM-PORT-OPTION; every other option is refused.
enum Option : std::uint8_t {
    BINARY = 0,
    ECHO = 1,
    SUPPRESS_GO_AHEAD = 3,
    COM_PORT_OPTION = 44,
};

// Com-port commands as the client sends them; the server's reply codes are these plus
// kServerCodeOffset.
enum ComPort : std::uint8_t {
    SIGNATURE = 0,
    SET_BAUDRATE = 1,      // 4 bytes, big-endian bit/s; 0 asks for the speed without setting it
    SET_DATASIZE = 2,      // 5 to 8 bits
    SET_PARITY = 3,        // kParityNone ...
    SET_STOPSIZE = 4,      // kStopOne ...
    SET_CONTROL = 5,       // kControlNone, kControlXonXoff, kControlHardware (outbound)
    NOTIFY_LINESTATE = 6,  // sent by the server only
    NOTIFY_MODEMSTATE = 7, // sent by the server only
    FLOWCONTROL_SUSPEND = 8,
    FLOWCONTROL_RESUME = 9,
    SET_LINESTATE_MASK = 10,
    SET_MODEMSTATE_MASK = 11,
    PURGE_DATA = 12,
};

inline constexpr std::uint8_t kServerCodeOffset = 100;

inline constexpr std::uint8_t kParityNone = 1;
inline constexpr std::uint8_t kParityOdd = 2;
inline constexpr std::uint8_t kParityEven = 3;
inline constexpr std::uint8_t kParityMark = 4;
inline constexpr std::uint8_t kParitySpace = 5;

inline constexpr std::uint8_t kStopOne = 1;
inline constexpr std::uint8_t kStopTwo = 2;
inline constexpr std::uint8_t kStopOneAndHalf = 3;

inline constexpr std::uint8_t kControlNone = 1;
inline constexpr std::uint8_t kControlXonXoff = 2;
inline constexpr std::uint8_t kControlHardware = 3;

} // namespace tessaro::link::telnet
