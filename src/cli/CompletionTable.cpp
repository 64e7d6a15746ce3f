// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CompletionTable.h"

#include "cli/DiffCommand.h"
#include "cli/PrintJson.h"
#include "cli/SerialSpeedOption.h"
#include "link/LinkKinds.h"
#include "station/JsonOutput.h"

#include <QJsonArray>
#include <array>
#include <string_view>

namespace tessaro::cli {
namespace {

// What an option's or operand's value is, where its definition tells only a type name: by
// its first long name or the operand's name. The choices of an option come from its check.
struct ValueRow {
    std::string_view name;
    // port, profile (a .pcf file), file, key (KEY=VALUE of "keys"), text (anything: nothing
    // to complete)
    std::string_view kind;
    std::string_view choice; // a word taken besides, "" for none
};

constexpr std::array<ValueRow, 8> kValues{{
    {"--port", "port", ""},
    {"--set", "key", ""},
    {"--save", "profile", ""},
    {"--log", "file", ""},
    {"--label", "text", ""},
    {"FILE", "profile", ""},
    {"A", "profile", kFactory},
    {"B", "profile", kFactory},
}};

// The device files a port may be besides those the link kinds' device prefixes begin: serial
// ports, USB-serial adapters (also by their stable names) and the kernel's line printers.
constexpr std::array<std::string_view, 5> kOtherDevices{
    {"/dev/ttyS*", "/dev/ttyUSB*", "/dev/ttyACM*", "/dev/serial/by-id/*", "/dev/lp*"}};

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QJsonArray texts(const std::vector<std::string_view>& words) {
    QJsonArray array;
    for (const std::string_view word : words) {
        array.append(text(word));
    }
    return array;
}

bool hasCheck(CLI::Option& option, std::string_view name) {
    try {
        option.get_validator(std::string(name));
        return true;
    } catch (const CLI::OptionNotFound&) {
        return false;
    }
}

// The words of a check that takes a set of them: its description is "{a,b}".
std::vector<std::string_view> memberChoices(const std::string& typeName) {
    std::vector<std::string_view> words;
    const std::size_t open = typeName.find(":{");
    const std::size_t close = typeName.find('}', open);
    if (open == std::string::npos || close == std::string::npos) {
        return words;
    }
    std::string_view list(typeName.data() + open + 2, close - open - 2);
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        words.push_back(list.substr(0, comma));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return words;
}

QJsonValue valueJson(CLI::Option& option) {
    if (option.get_expected_max() == 0) {
        return QJsonValue::Null; // a flag
    }
    const std::string name =
        option.get_lnames().empty() ? option.get_name() : "--" + option.get_lnames().front();
    QJsonObject value{{"kind", "choice"}};
    const std::string typeName = option.get_type_name(); // the choices below look into it
    std::vector<std::string_view> choices;
    for (const ValueRow& row : kValues) {
        if (row.name == name) {
            value["kind"] = text(row.kind);
            if (!row.choice.empty()) {
                choices.push_back(row.choice);
            }
        }
    }
    if (hasCheck(option, kSpeedOrAutoCheck)) {
        choices = serialSpeedChoices(true);
    } else if (hasCheck(option, kSpeedCheck)) {
        choices = serialSpeedChoices(false);
    } else if (choices.empty()) {
        choices = memberChoices(typeName);
    }
    value["choices"] = texts(choices);
    return value;
}

QJsonArray namesJson(const CLI::Option& option) {
    QJsonArray names;
    for (const std::string& name : option.get_lnames()) {
        names.append(QString::fromStdString("--" + name));
    }
    for (const std::string& name : option.get_snames()) {
        names.append(QString::fromStdString("-" + name));
    }
    return names;
}

// The options and the operands of a command, in the order of its --help.
QJsonObject commandJson(CLI::App& command) {
    QJsonArray options;
    QJsonArray operands;
    for (CLI::Option* option : command.get_options()) {
        if (option->get_group().empty()) {
            continue; // hidden
        }
        QJsonObject entry{{"description", QString::fromStdString(option->get_description())},
                          {"value", valueJson(*option)},
                          {"required", option->get_required()},
                          {"repeatable", option->get_items_expected_max() > 1}};
        if (option->nonpositional()) {
            entry["names"] = namesJson(*option);
            options.append(entry);
        } else {
            entry["name"] = QString::fromStdString(option->get_name());
            operands.append(entry);
        }
    }
    return QJsonObject{{"name", QString::fromStdString(command.get_name())},
                       {"description", QString::fromStdString(command.get_description())},
                       {"options", options},
                       {"operands", operands}};
}

QJsonArray portNames() {
    QJsonArray names;
    for (const link::LinkKindDescriptor* kind : link::kLinkKinds) {
        const link::LinkKindDescriptor& row = *kind;
        if (row.count == 0) {
            names.append(text(row.prefix)); // "tcp://", the address follows
        }
        for (int n = 1; n <= row.count; ++n) {
            names.append(text(row.prefix) + QString::number(n));
        }
    }
    return names;
}

QJsonArray portDevices() {
    QJsonArray patterns;
    for (const std::string_view pattern : kOtherDevices) {
        patterns.append(text(pattern));
    }
    for (const link::LinkKindDescriptor* kind : link::kLinkKinds) {
        const link::LinkKindDescriptor& row = *kind;
        if (!row.devicePrefix.empty()) {
            patterns.append(text(row.devicePrefix) + "*");
        }
    }
    return patterns;
}

} // namespace

QJsonObject completionTable(CLI::App& app) {
    QJsonObject table = commandJson(app);
    QJsonArray subcommands;
    for (CLI::App* subcommand : app.get_subcommands([](CLI::App*) { return true; })) {
        if (!subcommand->get_group().empty()) {
            subcommands.append(commandJson(*subcommand));
        }
    }
    table["subcommands"] = subcommands;
    table["ports"] = portNames();
    table["devices"] = portDevices();
    return table;
}

void addCompletionTableOption(CLI::App& app) {
    app.add_flag_callback(
           "--completion-table",
           [&app] {
               printJson(completionTable(app));
               throw CLI::Success();
           },
           "print the subcommands and options as one JSON object, for shell completions")
        ->group("");
}

} // namespace tessaro::cli
