#include "protocol/SerialSpeed.h"

#include <array>

namespace tessaro::protocol {
namespace {

struct SpeedRow {
    std::string_view baud;
    int code5V;  // -1: refused by a 5 V chipset
    int code3V3; // -1: refused by a 3.3 V chipset
};

// In the order of the serialspeed list.
constexpr std::array<SpeedRow, 9> kSpeeds{{
    {"1200", 0, 0},
    {"2400", 1, 1},
    {"4800", 2, 2},
    {"9600", 3, 3},
    {"19200", 4, 4},
    {"28800", -1, 5},
    {"38400", 5, -1},
    {"57600", 6, 6},
    {"115200", 7, -1},
}};

std::optional<int> codeOf(const SpeedRow& row, bool chipset5V) {
    const int code = chipset5V ? row.code5V : row.code3V3;
    return code < 0 ? std::nullopt : std::optional<int>(code);
}

} // namespace

std::optional<int> speedCode(std::string_view baud, bool chipset5V) {
    for (const SpeedRow& row : kSpeeds) {
        if (row.baud == baud) {
            return codeOf(row, chipset5V);
        }
    }
    return std::nullopt;
}

SerialSpeedCommand composeSerialSpeed(int speedIndex, std::uint8_t handshake, std::uint8_t ir,
                                      bool chipset5V, std::string_view currentSpeed) {
    SerialSpeedCommand command;
    const SpeedRow& chosen = kSpeeds.at(static_cast<std::size_t>(speedIndex));
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
