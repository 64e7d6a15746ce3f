// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationChecks.h"

#include "cli/AuditLog.h"
#include "cli/PrinterSession.h"
#include "cli/ProfileInput.h"
#include "cli/TerminalText.h"

#include <set>

namespace tessaro::cli {

GivenPorts parsePorts(const std::vector<std::string>& texts) {
    GivenPorts given;
    for (const std::string& text : texts) {
        const auto port = link::PortRef::parse(text);
        if (!port) {
            given.unknown = link::PortRef::unknownText(text);
            break;
        }
        given.ports.push_back(*port);
    }
    return given;
}

std::string problemBeforeStart(const std::string& profile, const GivenPorts& given,
                               const std::string& log) {
    workspace::Workspace ws;
    ws.startUp();
    if (const ProfileToSend loaded = loadProfileToSend(ws, profile); !loaded.error.empty()) {
        return loaded.error;
    }
    if (given.ports.empty() && given.unknown.empty()) {
        return "No port is chosen";
    }
    std::set<std::string> seen;
    for (const link::PortRef& port : given.ports) {
        if (!seen.insert(port.text()).second) {
            return "The port " + oneLine(port.text()) + " is given twice";
        }
    }
    if (!given.unknown.empty()) {
        return given.unknown;
    }
    if (!log.empty()) {
        AuditLog opened;
        return opened.open(log);
    }
    return "";
}

} // namespace tessaro::cli
