// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShowCommand.h"

#include "cli/ProfileInput.h"
#include "cli/SerialSpeedOption.h"
#include "cli/TerminalText.h"
#include "cli/WorkspaceListing.h"
#include "protocol/CommandBytes.h"
#include "workspace/ConfigFile.h"
#include "workspace/UserEdit.h"

#include <cstdio>
#include <iostream>

namespace tessaro::cli {
namespace {

using namespace tessaro::workspace;

constexpr int kDone = 0;
constexpr int kBadUsage = 2;

std::string hexLine(const std::string& bytes) {
    std::string line;
    char hex[4];
    for (const char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(c));
        line += (line.empty() ? "" : " ") + std::string(hex);
    }
    return line;
}

void printBytes(const Workspace& ws, const ShowOptions& options) {
    const protocol::TransmissionContext context{options.chipset == "5", options.power,
                                                options.portSpeed};
    for (const auto& command : protocol::composeCommands(ws, options.all, context)) {
        if (command.serial && command.serial->refusal != protocol::SpeedRefusal::None) {
            std::cerr << terminalText(protocol::refusalMessage(command.serial->refusal)) << "\n";
        }
        if (command.serial && command.bytes.empty()) {
            std::cerr << "The current speed " << options.portSpeed
                      << " has no code for this chipset: GS B is not sent.\n";
            continue;
        }
        std::cout << hexLine(command.bytes) << "\n";
    }
    std::cout << hexLine(protocol::kSaveCommand) << "\n";
}

bool applySets(Workspace& ws, const std::vector<std::string>& sets) {
    for (const std::string& set : sets) {
        const auto equals = set.find('=');
        if (equals == std::string::npos) {
            std::cerr << "--set takes KEY=VALUE, not \"" << oneLine(set) << "\"\n";
            return false;
        }
        const std::string error = applyUserEdit(ws, set.substr(0, equals), set.substr(equals + 1));
        if (!error.empty()) {
            std::cerr << "--set " << oneLine(set) << ": " << terminalText(error)
                      << (error.starts_with("unknown key") ? " (tessaro-cli keys lists them)" : "")
                      << "\n";
            return false;
        }
    }
    return true;
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
    show->add_option("--port-speed,--speed,-b", options.portSpeed,
                     "current link speed (default 9600)")
        ->type_name("BAUD")
        ->check(serialSpeedValidator());
    return show;
}

int runShow(const ShowOptions& options) {
    Workspace ws;
    ws.startUp();
    if (!options.file.empty() && !loadProfile(ws, options.file)) {
        return kBadUsage;
    }
    if (!applySets(ws, options.sets)) {
        return kBadUsage;
    }
    if (!options.saveTo.empty()) {
        const SaveReport report = Save_ConfigToFile(ws, options.saveTo);
        if (!report.ok()) {
            std::cerr << terminalText(report.message) << "\n";
            return kBadUsage;
        }
        if (report.status == SaveReport::Status::Empty) {
            std::cerr << oneLine(options.saveTo)
                      << (report.removed ? " was removed" : " was not written")
                      << ": no parameter is modified, and the factory settings need no file\n";
        }
    }
    if (options.bytes) {
        printBytes(ws, options);
    } else {
        std::cout << terminalText(workspaceListing(ws));
    }
    return kDone;
}

} // namespace tessaro::cli
