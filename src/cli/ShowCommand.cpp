// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShowCommand.h"

#include "cli/PrintJson.h"
#include "cli/ProfileLoad.h"
#include "cli/Refusal.h"
#include "cli/SerialSpeedOption.h"
#include "cli/WorkspaceListing.h"
#include "message/English.h"
#include "message/ShownText.h"
#include "protocol/CommandBytes.h"
#include "station/JsonOutput.h"
#include "workspace/ConfigFile.h"
#include "workspace/UserEdit.h"

#include <cstdio>
#include <iostream>

namespace tessaro::cli {
namespace {

using namespace tessaro::workspace;

constexpr int kDone = 0;

// The commands a transmission would send over a serial link, the saving sequence last; a
// speed the chipset refuses is said on stderr.
std::vector<std::string> commandsToSend(const Workspace& ws, const ShowOptions& options) {
    const protocol::TransmissionContext context{options.chipset == "5", options.power,
                                                options.portSpeed};
    std::vector<std::string> commands;
    for (const auto& command : protocol::composeCommands(ws, options.all, context)) {
        if (command.serial && command.serial->refusal != protocol::SpeedRefusal::None) {
            std::cerr << message::shownText(message::english(protocol::refusalMessage(
                             command.serial->refusal, command.serial->chosenSpeed)))
                      << "\n";
        }
        if (command.serial && command.bytes.empty()) {
            std::cerr << "The current speed " << options.portSpeed
                      << " has no code for this chipset: GS B is not sent.\n";
            continue;
        }
        commands.push_back(command.bytes);
    }
    commands.emplace_back(protocol::kSaveCommand);
    return commands;
}

// Every control's value (an option or a check box as true or false), the list of modified
// parameters, and with --bytes the commands.
QJsonObject workspaceJson(const Workspace& ws, const ShowOptions& options) {
    QJsonObject values;
    const auto all = controls();
    for (ControlId id = 0; id < all.size(); ++id) {
        const ControlSpec& c = all[id];
        const QString key = QString::fromUtf8(c.key.data(), static_cast<qsizetype>(c.key.size()));
        const bool onOff = c.kind == ControlKind::Option || c.kind == ControlKind::CheckBox;
        values.insert(key, onOff ? QJsonValue(ws.value(id) != 0) : QJsonValue(ws.value(id)));
    }
    QJsonArray modified;
    for (const QString& line :
         station::jsonText(ws.modifiedListText()).split('\n', Qt::SkipEmptyParts)) {
        modified.append(line);
    }
    QJsonObject object{
        {"title", station::jsonText(ws.title())},
        {"profile", options.file.empty() ? QJsonValue(QJsonValue::Null)
                                         : QJsonValue(station::jsonText(options.file))},
        {"saved", options.saveTo.empty() ? QJsonValue(QJsonValue::Null)
                                         : QJsonValue(station::jsonText(options.saveTo))},
        {"values", values},
        {"modified", modified}};
    object.insert("commands", options.bytes
                                  ? QJsonValue(station::hexArray(commandsToSend(ws, options)))
                                  : QJsonValue(QJsonValue::Null));
    return object;
}

// Why an edit cannot be made; "" when every one was.
std::string applySets(Workspace& ws, const std::vector<std::string>& sets) {
    for (const std::string& set : sets) {
        const auto equals = set.find('=');
        if (equals == std::string::npos) {
            return "--set takes KEY=VALUE, not \"" + message::oneLine(set) + "\"";
        }
        const std::string error = applyUserEdit(ws, set.substr(0, equals), set.substr(equals + 1));
        if (!error.empty()) {
            return "--set " + message::oneLine(set) + ": " + error +
                   (error.starts_with("unknown key") ? " (tessaro-cli keys lists them)" : "");
        }
    }
    return "";
}

} // namespace

CLI::App* addShowCommand(CLI::App& app, ShowOptions& options) {
    CLI::App* show = app.add_subcommand(
        "show", "Show a workspace: the factory settings, a loaded .pcf file and edits; "
                "optionally save it or print the bytes a transmission would send");
    show->add_option("FILE", options.file, ".pcf file to load into the workspace");
    show->add_option("--set", options.sets, "edit a control as a user would (repeatable)")
        ->type_name("KEY=VALUE")
        ->allow_extra_args(false);
    show->add_option("--save", options.saveTo, "save the workspace to this .pcf file")
        ->type_name("OUT");
    show->add_flag("--bytes", options.bytes,
                   "print only the bytes sent over a serial link, one command per line");
    show->add_flag("--all", options.all, "with --bytes: every parameter, not only modified ones");
    show->add_option("--chipset", options.chipset, "printer chipset voltage (default 5)")
        ->check(CLI::IsMember({"5", "3.3"}));
    show->add_option("--power", options.power, "printer supply voltage (default 5)")
        ->check(CLI::IsMember({5, 24}));
    show->add_flag("--json", options.json, "print the workspace as one JSON object");
    show->add_option("--port-speed,--speed,-b", options.portSpeed,
                     "current link speed (default 9600)")
        ->type_name("BAUD")
        ->check(serialSpeedValidator(false));
    return show;
}

int runShow(const ShowOptions& options) {
    Workspace ws;
    ws.startUp();
    if (!options.file.empty()) {
        if (const message::Failure failure = loadProfile(ws, options.file)) {
            return refuse(options.json, station::Outcome::FileError, *failure);
        }
    }
    if (const std::string error = applySets(ws, options.sets); !error.empty()) {
        return refuse(options.json, station::Outcome::BadUsage, error);
    }
    if (!options.saveTo.empty()) {
        const SaveReport report = Save_ConfigToFile(ws, options.saveTo);
        if (!report.ok()) {
            return report.message
                       ? refuse(options.json, station::Outcome::FileError, *report.message)
                       : refuse(options.json, station::Outcome::FileError,
                                message::oneLine(options.saveTo));
        }
        if (report.status == SaveReport::Status::Empty) {
            std::cerr << message::oneLine(options.saveTo)
                      << (report.removed ? " was removed" : " was not written")
                      << ": no parameter is modified, and the factory settings need no file\n";
        }
    }
    if (options.json) {
        printJson(workspaceJson(ws, options));
    } else if (options.bytes) {
        for (const std::string& command : commandsToSend(ws, options)) {
            std::cout << station::hexLine(command) << "\n";
        }
    } else {
        std::cout << message::shownText(workspaceListing(ws));
    }
    return kDone;
}

} // namespace tessaro::cli
