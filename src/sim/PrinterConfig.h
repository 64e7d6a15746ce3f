// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the virtual printer is and how it misbehaves: its identity, chipset and status, the
// serial settings it starts with, where it keeps its memory, and the faults to imitate.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tessaro::sim {

struct PrinterConfig {
    // The first 16 characters name the printer; "R62" is a 24 V model.
    std::string identity = "R62 VIRTUAL PRN  V1.04";
    bool chipset5V = true;      // GS S C answers 0x40 at 5 V, 0x00 at 3.3 V
    std::uint8_t status = 0xA0; // ESC v: on line, cutter OK

    // Serial settings at power-on when the memory holds none.
    int baud = 9600;
    bool hardwareHandshake = true; // false: XON/XOFF
    bool ir = false;
    // A USB printer: no line speed, every byte is heard (the pseudo-terminal stands in for
    // /dev/usb/lpN).
    bool usb = false;

    // The printer's memory: stored defaults and serial settings; empty: none kept.
    std::filesystem::path stateFile;

    // Faults.
    std::uint8_t saveReply = 0x00;    // ESC s answer; anything but 0 means "not stored"
    bool saveReplyMissing = false;    // ESC s is not answered (and nothing is stored)
    bool chipsetReplyMissing = false; // GS S C is not answered
    bool silent = false;              // never replies to anything
    int replyDelayMs = 0;             // every reply becomes ready this late
    int busyHoldSeconds = 0;          // the parallel side holds BUSY this long after a byte
    bool garbage = false;             // every reply byte arrives as 0xFF
    bool endless = false;             // after the first reply, filler bytes never stop coming
    bool lineLow = false;        // its transmit line is held low: zero bytes without end, no reply
    std::size_t hangUpAfter = 0; // on TCP: closes a connection after this many bytes (0: never)
};

} // namespace tessaro::sim
