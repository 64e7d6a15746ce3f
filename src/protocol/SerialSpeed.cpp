// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/SerialSpeed.h"

#include "workspace/SerialSpeeds.h"

namespace tessaro::protocol {
namespace {

std::optional<int> codeOf(const workspace::SpeedRow& row, bool chipset5V) {
    const int code = chipset5V ? row.code5V : row.code3V3;
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

} // namespace

std::optional<int> speedCode(std::string_view baud, bool chipset5V) {
    const auto i = workspace::speedIndex(baud);
    return i ? codeOf(workspace::kSerialSpeeds[*i], chipset5V) : std::nullopt;
}

SerialSpeedCommand composeSerialSpeed(int speedIndex, std::uint8_t handshake, std::uint8_t ir,
                                      bool chipset5V, std::string_view currentSpeed) {
    SerialSpeedCommand command;
    const workspace::SpeedRow& chosen =
        workspace::kSerialSpeeds.at(static_cast<std::size_t>(speedIndex));
    command.code = codeOf(chosen, chipset5V);
    command.newSpeed = std::string(chosen.baud);
    if (!command.code) {
        // Refused: the printer keeps the link's current speed.
        command.refusal = chipset5V ? SpeedRefusal::At5V : SpeedRefusal::At3V3;
        command.newSpeed = std::string(currentSpeed);
        command.code = speedCode(currentSpeed, chipset5V);
    }
    if (command.code) {
        command.argument = static_cast<std::uint8_t>(handshake + *command.code + ir);
    }
    return command;
}

std::string refusalMessage(SpeedRefusal refusal) {
    switch (refusal) {
    case SpeedRefusal::At5V:
        return "It is not possible to configure the baudrate at 28800 bauds\r\n"
               "if the printer chipset is powered on 5V.\r\n\r\n"
               "Available baudrates are: \r\n"
               "          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.\r\n\r\n"
               "The baudrate parameter will not be modified.";
    case SpeedRefusal::At3V3:
        return "It is not possible to configure the baudrate at 38400 or 115200 bauds\r\n"
               "if the printer chipset is powered on 3.3V.\r\n\r\n"
               "Available baudrates are: \r\n"
               "          1200, 2400, 4800, 9600, 19200, 28800, 57600.\r\n\r\n"
               "The baudrate parameter will not be modified.";
    case SpeedRefusal::None:
        break;
    }
    return "";
}

} // namespace tessaro::protocol
