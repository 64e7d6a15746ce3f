// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StationChecks.h"

#include "cli/AuditLog.h"
#include "cli/PrinterSession.h"
#include "cli/ProfileInput.h"
#include "cli/TerminalText.h"

#include <set>

namespace tessaro::cli {

std::string problemBeforeStart(const std::string& profile, const std::vector<std::string>& ports,
                               const std::string& log) {
    workspace::Workspace ws;
    ws.startUp();
    if (const ProfileToSend loaded = loadProfileToSend(ws, profile); !loaded.error.empty()) {
        return loaded.error;
    }
    if (ports.empty()) {
        return "No port is chosen";
    }
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (!link::PortRef::parse(port)) {
            return link::PortRef::unknownText(port);
        }
        if (!seen.insert(port).second) {
            return "The port " + oneLine(port) + " is given twice";
        }
    }
    if (!log.empty()) {
        AuditLog opened;
        return opened.open(log);
    }
    return "";
}

} // namespace tessaro::cli
