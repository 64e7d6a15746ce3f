// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/ProfileInput.h"

#include "message/English.h"
#include "station/TerminalText.h"
#include "workspace/ConfigFile.h"

#include <iostream>

namespace tessaro::station {
namespace {

// A load that failed says why, naming the file ("<path>: <reason>"); the name alone should
// it not.
std::string failureOf(const workspace::LoadReport& report, const std::string& file) {
    return report.error ? message::english(*report.error) : file;
}

} // namespace

bool loadProfile(workspace::Workspace& ws, const std::string& file) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    if (report.status != workspace::LoadReport::Status::Loaded) {
        std::cerr << "Cannot read " << terminalText(failureOf(report, file)) << "\n";
        return false;
    }
    if (report.warning) {
        std::cerr << terminalText(message::english(*report.warning)) << "\n";
    }
    return true;
}

ProfileToSend loadProfileToSend(workspace::Workspace& ws, const std::string& file) {
    const workspace::LoadReport report = workspace::LoadConfig(ws, file);
    using message::Message;
    using message::MessageId;
    using message::Part;
    const auto failed = [](Message said) {
        return ProfileToSend{message::english(said), "", std::move(said)};
    };
    if (report.status != workspace::LoadReport::Status::Loaded) {
        return failed({MessageId::CannotReadFile,
                       {Part::framed(report.error.value_or(Message::shown(file)))}});
    }
    if (!report.empty && !report.profileSections) {
        return failed({MessageId::NotAProfile, {Part::verbatim(oneLine(file))}});
    }
    return {"", report.warning ? message::english(*report.warning) : std::string(), {}};
}

} // namespace tessaro::station
