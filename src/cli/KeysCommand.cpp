// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/KeysCommand.h"

#include "cli/TerminalText.h"
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

// What the window shows for the control at its factory value; a list adds its entries.
std::string captionText(const Workspace& ws, const ControlSpec& c) {
    switch (c.kind) {
    case ControlKind::Slider:
        return ws.frameCaption(c.frame);
    case ControlKind::List: {
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

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

} // namespace

CLI::App* addKeysCommand(CLI::App& app) {
    return app.add_subcommand("keys", "List every key --set takes: its kind, its values, its "
                                      "factory value and the window's caption");
}

int runKeys() {
    Workspace ws;
    ws.startUp();
    std::string text;
    for (const ControlSpec& c : controls()) {
        text += padded(std::string(c.key), 22) + padded(kindText(c.kind), 10) +
                padded(valuesText(c), 12) + padded(factoryText(c), 7) + captionText(ws, c) + "\n";
    }
    std::cout << terminalText(text);
    return 0;
}

} // namespace tessaro::cli
