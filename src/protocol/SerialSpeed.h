// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial-speed command GS B n: which speeds a chipset accepts, their codes, and what
// the printer is sent when the chosen speed is refused.

#include "message/Message.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::protocol {

enum class SpeedRefusal { None, At5V, At3V3, ChipsetUnknown };

// The chipset's supply, when the printer said it: true at 5 V, false at 3.3 V.
using ChipsetVolts = std::optional<bool>;

// The code c of a speed in GS B n for a chipset, or nothing when that chipset refuses it. For
// a chipset that did not say its supply, only a speed with the same code on both has one.
std::optional<int> speedCode(std::string_view baud, ChipsetVolts chipset5V);

struct SerialSpeedCommand {
    SpeedRefusal refusal = SpeedRefusal::None;
    std::string chosenSpeed;   // the speed the workspace chose (decimal text)
    std::string newSpeed;      // the speed the printer runs at afterwards (decimal text)
    std::optional<int> code;   // none: the current speed has no code either, nothing is sent
    std::uint8_t argument = 0; // handshake byte + code + IR byte
};

// speedIndex is the serialspeed list index; currentSpeed is the link's speed (decimal text),
// which a refused speed leaves in force.
SerialSpeedCommand composeSerialSpeed(int speedIndex, std::uint8_t handshake, std::uint8_t ir,
                                      ChipsetVolts chipset5V, std::string_view currentSpeed);

// The message shown when the chosen speed is refused (lines joined by CR LF); speed is the
// one chosen.
message::Message refusalMessage(SpeedRefusal refusal, std::string_view speed = {});

} // namespace tessaro::protocol
