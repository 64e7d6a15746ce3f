// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/StationChecks.h"

#include "message/ShownText.h"
#include "station/AuditLog.h"
#include "station/PrinterSession.h"
#include "station/ProfileInput.h"
#include "workspace/ConfigFile.h"

#include <set>

namespace tessaro::station {

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

std::optional<StartProblem> problemBeforeStart(const std::string& file, const ProfileRead& profile,
                                               const GivenPorts& given, const std::string& log) {
    using message::Message;
    workspace::Workspace ws;
    ws.startUp();
    if (const ProfileToSend loaded = loadProfileToSend(ws, file, profile); !loaded.error.empty()) {
        return StartProblem{Outcome::FileError, loaded.said.value_or(Message::shown(loaded.error))};
    }
    if (given.ports.empty() && given.unknown.empty()) {
        return StartProblem{Outcome::BadUsage, Message(message::MessageId::StationNoPort)};
    }
    std::set<std::string> seen;
    for (const link::PortRef& port : given.ports) {
        if (!seen.insert(port.text()).second) {
            return StartProblem{Outcome::BadUsage,
                                Message(message::MessageId::StationPortTwice,
                                        {message::Part::verbatim(message::oneLine(port.text()))})};
        }
    }
    if (!given.unknown.empty()) {
        // only the command line takes ports as text
        return StartProblem{Outcome::BadUsage, Message::shown(given.unknown)};
    }
    if (!log.empty()) {
        AuditLog opened;
        if (message::Failure failure = opened.open(log)) {
            return StartProblem{Outcome::FileError, std::move(*failure)};
        }
    }
    return std::nullopt;
}

// What a profile sets, as a save would write it: the same for two profiles that set the same.
std::string settingsOf(const std::string& file, const ProfileRead& profile) {
    workspace::Workspace ws;
    ws.startUp();
    loadProfileToSend(ws, file, profile);
    return workspace::profileText(ws);
}

bool changesNoSetting(const std::string& file, const ProfileRead& profile) {
    ProfileRead empty;
    empty.file.status = workspace::TextFile::Status::Ok;
    return settingsOf(file, profile) == settingsOf(file, empty);
}

} // namespace tessaro::station
