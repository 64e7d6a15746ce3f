// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeysCommand.h"

#include "cli/PrintJson.h"
#include "message/ShownText.h"
#include "station/JsonOutput.h"
#include "workspace/Workspace.h"

#include <iostream>

namespace tessaro::cli {
namespace {

using namespace tessaro::workspace;

std::string kindText(ControlKind kind) {
    switch (kind) {
    case ControlKind::Slider:
        return "slider";
    case ControlKind::List:
        return "list";
    case ControlKind::Option:
        return "option";
    case ControlKind::CheckBox:
        break;
    }
    return "checkbox";
}

std::string valuesText(const ControlSpec& c) {
    switch (c.kind) {
    case ControlKind::Slider:
    case ControlKind::List:
        return std::to_string(c.min) + ".." + std::to_string(c.max);
    case ControlKind::Option:
        return "True";
    case ControlKind::CheckBox:
        break;
    }
    return "True|False";
}

std::string factoryText(const ControlSpec& c) {
    if (c.kind == ControlKind::Option || c.kind == ControlKind::CheckBox) {
        return c.factory != 0 ? "True" : "False";
    }
    return std::to_string(c.factory);
}

// What the window shows for the control at its factory value; a list adds its entries
// unless they are listed apart.
std::string captionText(const Workspace& ws, const ControlSpec& c, bool withEntries = true) {
    switch (c.kind) {
    case ControlKind::Slider:
        return ws.frameCaption(c.frame);
    case ControlKind::List: {
        if (!withEntries) {
            return ws.frameCaption(c.frame);
        }
        std::string text = ws.frameCaption(c.frame);
        text += text.ends_with(':') ? "" : ":";
        for (std::size_t i = 0; i < c.entries.size(); ++i) {
            text += (i == 0 ? " " : ", ") + std::to_string(i) + " " + std::string(c.entries[i]);
        }
        return text;
    }
    case ControlKind::Option:
        return ws.frameCaption(c.frame) + ", " + std::string(optionGroupCaption(c.group)) + ": " +
               std::string(c.text);
    case ControlKind::CheckBox:
        break;
    }
    return std::string(c.text);
}

QJsonObject keyJson(const Workspace& ws, const ControlSpec& c) {
    const bool onOff = c.kind == ControlKind::Option || c.kind == ControlKind::CheckBox;
    QJsonObject key;
    key.insert("key", QString::fromUtf8(c.key.data(), static_cast<qsizetype>(c.key.size())));
    key.insert("kind", QString::fromStdString(kindText(c.kind)));
    key.insert("min", onOff ? 0 : c.min);
    key.insert("max", onOff ? 1 : c.max);
    QJsonArray entries;
    for (const std::string_view entry : c.entries) {
        entries.append(station::jsonText(entry));
    }
    key.insert("entries",
               c.kind == ControlKind::List ? QJsonValue(entries) : QJsonValue(QJsonValue::Null));
    key.insert("factory", onOff ? QJsonValue(c.factory != 0) : QJsonValue(c.factory));
    key.insert("caption", station::jsonText(captionText(ws, c, false)));
    return key;
}

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

} // namespace

CLI::App* addKeysCommand(CLI::App& app, bool& json) {
    CLI::App* keys =
        app.add_subcommand("keys", "List every key --set takes: its kind, its "
                                   "values, its factory value and the window's caption");
    keys->add_flag("--json", json, "print the keys as one JSON object");
    return keys;
}

int runKeys(bool json) {
    Workspace ws;
    ws.startUp();
    if (json) {
        QJsonArray keys;
        for (const ControlSpec& c : controls()) {
            keys.append(keyJson(ws, c));
        }
        printJson(QJsonObject{{"keys", keys}});
        return 0;
    }
    std::string text;
    for (const ControlSpec& c : controls()) {
        text += padded(std::string(c.key), 22) + padded(kindText(c.kind), 10) +
                padded(valuesText(c), 12) + padded(factoryText(c), 7) + captionText(ws, c) + "\n";
    }
    std::cout << message::shownText(text);
    return 0;
}

} // namespace tessaro::cli
