// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DiffCommand.h"

#include "cli/PrintJson.h"
#include "cli/ProfileLoad.h"
#include "cli/Refusal.h"
#include "cli/WorkspaceListing.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"

#include <iostream>

namespace tessaro::cli {
namespace {

using workspace::Workspace;

// The workspace after start-up, then the profile unless the side is the factory settings.
// Why a side cannot be read; nothing when it was.
message::Failure side(Workspace& ws, const std::string& name) {
    ws.startUp();
    return name == kFactory ? std::nullopt : loadProfile(ws, name);
}

// A frame's line as a side of the difference shows it: every line of it after the sign.
std::string signed_(char sign, const std::string& line) {
    std::string text(1, sign);
    text += "   ";
    for (const char c : line) {
        text += c;
        if (c == '\n') {
            text += sign;
        }
    }
    return text + "\n";
}

} // namespace

CLI::App* addDiffCommand(CLI::App& app, DiffOptions& options) {
    CLI::App* diff = app.add_subcommand(
        "diff", "Show the parameters two .pcf files set differently, with the window's captions "
                "for both (either may be \"factory\")");
    diff->add_option("A", options.first, ".pcf file or factory")->required();
    diff->add_option("B", options.second, ".pcf file or factory")->required();
    diff->add_flag("--json", options.json, "print the differences as one JSON object");
    return diff;
}

int runDiff(const DiffOptions& options) {
    Workspace a;
    Workspace b;
    for (const auto& [ws, name] : {std::pair{&a, &options.first}, {&b, &options.second}}) {
        if (const message::Failure failure = side(*ws, *name)) {
            return refuse(options.json, station::Outcome::FileError, *failure);
        }
    }
    std::string text;
    QJsonArray differences;
    for (const workspace::FrameSpec& frame : workspace::frames()) {
        const std::string before = frameLine(a, frame);
        const std::string after = frameLine(b, frame);
        if (before != after) {
            text += signed_('-', before) + signed_('+', after);
            differences.append(
                QJsonObject{{"a", station::jsonText(before)}, {"b", station::jsonText(after)}});
        }
    }
    if (options.json) {
        printJson(QJsonObject{{"a", station::jsonText(options.first)},
                              {"b", station::jsonText(options.second)},
                              {"equal", differences.isEmpty()},
                              {"differences", differences}});
        return differences.isEmpty() ? 0 : 1;
    }
    if (text.empty()) {
        return 0;
    }
    std::cout << "--- " << message::oneLine(options.first) << "\n+++ "
              << message::oneLine(options.second) << "\n"
              << message::shownText(text);
    return 1;
}

} // namespace tessaro::cli
