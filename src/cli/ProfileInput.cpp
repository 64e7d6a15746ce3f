// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileInput.h"

#include "cli/TerminalText.h"
#include "workspace/ConfigFile.h"

#include <iostream>

namespace tessaro::cli {

bool loadProfile(workspace::Workspace& ws, const std::string& file) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    if (report.status != workspace::LoadReport::Status::Loaded) {
        std::cerr << "Cannot read " << terminalText(report.error) << "\n";
        return false;
    }
    if (!report.warning.empty()) {
        std::cerr << terminalText(report.warning) << "\n";
    }
    return true;
}

ProfileToSend loadProfileToSend(workspace::Workspace& ws, const std::string& file) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    if (report.status != workspace::LoadReport::Status::Loaded) {
        return {"Cannot read " + report.error, ""};
    }
    if (!report.empty && !report.profileSections) {
        return {"Cannot send " + oneLine(file) +
                    ": not a profile: it has none of the sections of a .pcf file",
                ""};
    }
    return {"", report.warning};
}

} // namespace tessaro::cli
