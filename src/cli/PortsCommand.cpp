// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortsCommand.h"

#include "cli/TerminalText.h"
#include "link/PortMap.h"
#include "link/SerialPortDetails.h"

#include <cstdio>

namespace tessaro::cli {

CLI::App* addPortsCommand(CLI::App& app) {
    return app.add_subcommand(
        "ports", "List COM1..COM6, USB1..USB4, LPT1 and LPT2 with the device each "
                 "stands for (TESSARO_COMn, TESSARO_USBn, TESSARO_LPTn override them)");
}

int runPorts() {
    for (const auto& line : link::PortMap::fromSystem().lines()) {
        std::printf("%-5s %-24s %s", line.name.c_str(),
                    line.device.empty() ? "-" : oneLine(line.device).c_str(),
                    line.present ? "present" : "absent");
        // A USB-serial adapter by what the system knows of it.
        const std::string details =
            line.present && line.name.starts_with("COM")
                ? link::describeSerialPort(link::serialPortFacts(line.device))
                : "";
        std::printf("%s\n", details.empty() ? "" : ("  " + oneLine(details)).c_str());
    }
    return 0;
}

} // namespace tessaro::cli
