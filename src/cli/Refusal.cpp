// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Refusal.h"

#include "cli/PrintJson.h"
#include "message/English.h"
#include "message/MessageTable.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"
#include "station/UnitReport.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace tessaro::cli {
namespace {

constexpr std::string_view kJson = "--json";
constexpr std::string_view kEndOfOptions = "--";

// The port a unit command was given: "--port X", "--port=X", "-p X", "-pX", else the
// environment's.
std::string givenPort(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size() && arguments[i] != kEndOfOptions; ++i) {
        const std::string& argument = arguments[i];
        if ((argument == "--port" || argument == "-p") && i + 1 < arguments.size()) {
            return arguments[i + 1];
        }
        if (argument.starts_with("--port=")) {
            return argument.substr(7);
        }
        if (argument.starts_with("-p") && argument.size() > 2 && argument[2] != '-') {
            return argument.substr(2);
        }
    }
    const char* environment = std::getenv("TESSARO_PORT");
    return environment != nullptr ? environment : "";
}

} // namespace

QJsonObject refusalJson(station::Outcome outcome, std::string_view text,
                        std::string_view messageId) {
    return QJsonObject{{"result", QString::fromUtf8(station::resultWord(outcome))},
                       {"message", station::jsonText(text)},
                       {"message_id", messageId.empty()
                                          ? QJsonValue()
                                          : QJsonValue(QString::fromUtf8(messageId))}};
}

int refuse(bool json, station::Outcome outcome, std::string_view text, std::string_view messageId) {
    std::cerr << message::shownText(text) << "\n";
    if (json) {
        printJson(refusalJson(outcome, text, messageId));
    }
    return station::exitStatus(outcome);
}

int refuse(bool json, station::Outcome outcome, const message::Message& said) {
    return refuse(json, outcome, message::english(said), message::messageWord(said));
}

void printParseRefusal(const CLI::App& app, const std::vector<std::string>& arguments,
                       std::string_view error, const std::vector<const CLI::App*>& unitCommands) {
    const auto end = std::find(arguments.begin(), arguments.end(), kEndOfOptions);
    if (std::find(arguments.begin(), end, kJson) == end) {
        return;
    }
    const CLI::App* command = nullptr;
    std::vector<std::string> after;
    for (auto at = arguments.begin(); at != end && command == nullptr; ++at) {
        for (const CLI::App* sub : app.get_subcommands({})) {
            if (sub->check_name(*at)) {
                command = sub;
                after.assign(at + 1, arguments.end());
                break;
            }
        }
    }
    const std::string text(error.substr(0, error.find('\n')));
    if (std::find(unitCommands.begin(), unitCommands.end(), command) != unitCommands.end()) {
        station::UnitReport report;
        report.port = givenPort(after);
        report.outcome = station::Outcome::BadUsage;
        report.message = text;
        printJson(station::toJson(report));
        return;
    }
    printJson(refusalJson(station::Outcome::BadUsage, text));
}

} // namespace tessaro::cli
