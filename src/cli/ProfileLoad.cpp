// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileLoad.h"

#include "message/English.h"
#include "message/ShownText.h"
#include "station/ProfileInput.h"
#include "workspace/ConfigFile.h"

#include <iostream>

namespace tessaro::cli {

message::Failure loadProfile(workspace::Workspace& ws, const std::string& file) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    if (report.status != workspace::LoadReport::Status::Loaded) {
        return station::cannotRead(report, file);
    }
    if (report.warning) {
        std::cerr << message::shownText(message::english(*report.warning)) << "\n";
    }
    return std::nullopt;
}

} // namespace tessaro::cli
