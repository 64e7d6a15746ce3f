// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/SerialSpeed.h"

#include "workspace/SerialSpeeds.h"

namespace tessaro::protocol {
namespace {

std::optional<int> codeOf(const workspace::SpeedRow& row, ChipsetVolts chipset5V) {
    if (!chipset5V && row.code5V != row.code3V3) {
        return std::nullopt;
    }
    const int code = chipset5V.value_or(true) ? row.code5V : row.code3V3;
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

} // namespace

std::optional<int> speedCode(std::string_view baud, ChipsetVolts chipset5V) {
    const auto i = workspace::speedIndex(baud);
    return i ? codeOf(workspace::kSerialSpeeds[*i], chipset5V) : std::nullopt;
}

SerialSpeedCommand composeSerialSpeed(int speedIndex, std::uint8_t handshake, std::uint8_t ir,
                                      ChipsetVolts chipset5V, std::string_view currentSpeed) {
    SerialSpeedCommand command;
    const workspace::SpeedRow& chosen =
        workspace::kSerialSpeeds.at(static_cast<std::size_t>(speedIndex));
    command.code = codeOf(chosen, chipset5V);
    command.chosenSpeed = std::string(chosen.baud);
    command.newSpeed = command.chosenSpeed;
    if (!command.code) {
        // Refused: the printer keeps the link's current speed.
        command.refusal = !chipset5V   ? SpeedRefusal::ChipsetUnknown
                          : *chipset5V ? SpeedRefusal::At5V
                                       : SpeedRefusal::At3V3;
        command.newSpeed = std::string(currentSpeed);
        command.code = speedCode(currentSpeed, chipset5V);
    }
    if (command.code) {
        command.argument = static_cast<std::uint8_t>(handshake + *command.code + ir);
    }
    return command;
}

message::Message refusalMessage(SpeedRefusal refusal, std::string_view speed) {
    switch (refusal) {
    case SpeedRefusal::ChipsetUnknown:
        return {message::MessageId::SpeedRefusedChipsetUnknown,
                {message::Part::verbatim(std::string(speed))}};
    case SpeedRefusal::At5V:
        return {message::MessageId::SpeedRefusedAt5V, {}};
    case SpeedRefusal::At3V3:
        return {message::MessageId::SpeedRefusedAt3V3, {}};
    case SpeedRefusal::None:
        break;
    }
    return message::Message::shown("");
}

} // namespace tessaro::protocol
