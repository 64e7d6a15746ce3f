// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer's serial settings as GS B n sets them and GS S f FS reports them: the speed
// code in bits 0..2, IR in bit 3, the handshake in bit 7 (1 = hardware, 0 = XON/XOFF).

#include <cstdint>
#include <optional>
#include <string>

namespace tessaro::sim {

struct SerialSettings {
    static constexpr std::uint8_t kHardwareBit = 0x80;
    static constexpr std::uint8_t kIrBit = 0x08;
    static constexpr std::uint8_t kCodeMask = 0x07;

    int speedCode = 3; // 9600 bit/s on both chipsets
    bool hardware = true;
    bool ir = false;

    std::uint8_t byte() const;
    // Bits other than the ones above are ignored.
    static SerialSettings fromByte(std::uint8_t n);

    bool operator==(const SerialSettings&) const = default;
};

// The speed in bit/s of a code. A 3.3 V chipset has no code 7; it runs at 57600, its fastest.
int baudOfCode(int code, bool chipset5V);

// The code of a speed, or nothing when the chipset cannot run at it.
std::optional<int> codeOfBaud(int baud, bool chipset5V);

// "19200 bit/s, hardware handshake, IR off"
std::string describeSettings(const SerialSettings& settings, bool chipset5V);

} // namespace tessaro::sim
