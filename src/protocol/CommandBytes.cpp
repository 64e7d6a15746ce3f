// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol/CommandBytes.h"

namespace tessaro::protocol {

using workspace::Param;

std::uint8_t printModeArgument(const workspace::PrintModeBytes& mode) {
    return static_cast<std::uint8_t>(mode.height + mode.width + mode.underline);
}

namespace {

PlannedCommand serialSpeedCommand(const CommandRow& row, const workspace::Workspace& workspace,
                                  const TransmissionContext& context) {
    const workspace::SerialBytes serial = workspace.serial();
    PlannedCommand planned{&row, "",
                           composeSerialSpeed(serial.speedIndex, serial.handshake, serial.ir,
                                              context.chipset5V, context.portSpeed)};
    if (planned.serial->code) {
        planned.bytes = row.code() + static_cast<char>(planned.serial->argument);
    }
    return planned;
}

} // namespace

std::vector<PlannedCommand> composeCommands(const workspace::Workspace& workspace, bool sendAll,
                                            const TransmissionContext& context) {
    std::vector<PlannedCommand> commands;
    for (const CommandRow& row : commandTable()) {
        if (!sendAll && !workspace.isModified(row.param)) {
            continue;
        }
        if (row.param == Param::Autosleep && context.powerVolts == 24) {
            continue; // a 24 V printer has no autosleep
        }
        if (row.param == Param::Serial) {
            commands.push_back(serialSpeedCommand(row, workspace, context));
        } else if (row.param == Param::PrintMode) {
            const char n = static_cast<char>(printModeArgument(workspace.printMode()));
            commands.push_back({&row, row.code() + n, std::nullopt});
        } else {
            commands.push_back(
                {&row, row.code() + workspace.arguments(row.param).text(), std::nullopt});
        }
    }
    return commands;
}

} // namespace tessaro::protocol
