// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The byte strings a transmission puts on the wire for a workspace: the command of every
// parameter to send, in table order, then the saving sequence.

#include "protocol/CommandTable.h"
#include "protocol/SerialSpeed.h"
#include "workspace/Workspace.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaro::protocol {

// What the transmission knows of the printer and of the link when it starts.
struct TransmissionContext {
    ChipsetVolts chipset5V = true;
    int powerVolts = 5;
    std::string portSpeed = "9600"; // the link's current speed, decimal text
};

struct PlannedCommand {
    const CommandRow* row = nullptr;
    std::string bytes; // empty for a serial-speed command that cannot be sent
    std::optional<SerialSpeedCommand> serial; // set for the serial-speed command only
};

// sendAll: every parameter, else only those whose modified flag is set. The autosleep
// command is left out for a 24 V printer; the print mode and the serial settings are
// composed from their parts now.
std::vector<PlannedCommand> composeCommands(const workspace::Workspace& workspace, bool sendAll,
                                            const TransmissionContext& context);

// The bytes of the print-mode command's argument: height + width + underline.
std::uint8_t printModeArgument(const workspace::PrintModeBytes& mode);

} // namespace tessaro::protocol
