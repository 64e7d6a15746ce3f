// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/SerialSettings.h"

#include "protocol/SerialSpeed.h"

#include <array>

namespace tessaro::sim {
namespace {

constexpr std::array<int, 8> kBaud5V{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::array<int, 8> kBaud3V3{1200, 2400, 4800, 9600, 19200, 28800, 57600, 57600};

} // namespace

std::uint8_t SerialSettings::byte() const {
    return static_cast<std::uint8_t>((speedCode & kCodeMask) | (hardware ? kHardwareBit : 0) |
                                     (ir ? kIrBit : 0));
}

SerialSettings SerialSettings::fromByte(std::uint8_t n) {
    return {n & kCodeMask, (n & kHardwareBit) != 0, (n & kIrBit) != 0};
}

int baudOfCode(int code, bool chipset5V) {
    const auto index = static_cast<std::size_t>(code & SerialSettings::kCodeMask);
    return chipset5V ? kBaud5V[index] : kBaud3V3[index];
}

std::optional<int> codeOfBaud(int baud, bool chipset5V) {
    return protocol::speedCode(std::to_string(baud), chipset5V);
}

std::string describeSettings(const SerialSettings& settings, bool chipset5V) {
    return std::to_string(baudOfCode(settings.speedCode, chipset5V)) + " bit/s, " +
           (settings.hardware ? "hardware handshake" : "XON/XOFF") + ", IR " +
           (settings.ir ? "on" : "off");
}

} // namespace tessaro::sim
