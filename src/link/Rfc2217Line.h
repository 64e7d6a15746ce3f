// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial line a serial server is asked to set, and whether the line it confirmed is that
// one: the speed, eight data bits, no parity, one stop bit and the flow control.

#include "link/LineSettings.h"
#include "link/TelnetCodec.h"
#include "message/Message.h"

#include <string>

namespace tessaro::link {

// The com-port commands that set the line; they also ask the server not to report line and
// modem state changes, which this program does not use.
std::string lineCommands(const LineSettings& line);

// The flow control value SET-CONTROL carries for a handshake.
std::uint8_t flowControlOf(Handshake handshake);

// Why the line is not the one asked for ("the server set the line to 9600 bit/s, not
// 19200"), judged on what the server has confirmed so far; nothing when all of that matches.
message::Failure lineMismatch(const ComPortReplies& replies, const LineSettings& line);
// Whether the server has confirmed every part of the line: speed, data bits, parity, stop
// bits and flow control.
bool lineConfirmed(const ComPortReplies& replies);

} // namespace tessaro::link
