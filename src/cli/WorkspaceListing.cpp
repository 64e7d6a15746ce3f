// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WorkspaceListing.h"

#include "message/ShownText.h"

namespace tessaro::cli {
namespace {

using namespace tessaro::workspace;

std::string entryText(const Workspace& ws, ControlId id) {
    const ControlSpec& def = control(id);
    std::string text(def.entries[static_cast<std::size_t>(ws.value(id))]);
    return ws.isEnabled(id) ? text : text + " (locked)";
}

std::string listsInFrame(const Workspace& ws, std::string_view frame) {
    std::string text;
    const auto all = controls();
    for (ControlId id = 0; id < all.size(); ++id) {
        if (all[id].frame == frame && all[id].kind == ControlKind::List) {
            text += (text.empty() ? " " : ", ") + entryText(ws, id);
        }
    }
    return text;
}

std::string printModeText(const Workspace& ws) {
    std::string text;
    const auto all = controls();
    for (auto group : {OptionGroup::Height, OptionGroup::Width, OptionGroup::Underline}) {
        for (ControlId id = 0; id < all.size(); ++id) {
            if (all[id].group == group && ws.value(id) != 0) {
                text += (text.empty() ? " " : ", ") + std::string(optionGroupCaption(group)) + " " +
                        std::string(all[id].text);
            }
        }
    }
    return text;
}

} // namespace

std::string frameLine(const Workspace& ws, const FrameSpec& frame) {
    const std::string& caption = ws.frameCaption(frame.name);
    if (frame.isLabel) {
        return caption + listsInFrame(ws, frame.name);
    }
    if (frame.name == "serial") {
        return caption + ":" + listsInFrame(ws, frame.name);
    }
    if (frame.name == "tPrintMode") {
        return caption + ":" + printModeText(ws);
    }
    if (frame.name == "MarkLengthCap") {
        const ControlSpec& box = control(controlId("ENContPaper"));
        return caption + "\n   " + std::string(box.text) + ": " +
               (ws.continuousPaper() ? "checked" : "unchecked");
    }
    return caption;
}

std::string workspaceListing(const Workspace& ws) {
    std::string text = ws.title() + "\n";
    for (auto tab : {Tab::Setup, Tab::Text, Tab::Barcode, Tab::Hole}) {
        text.append("\n").append(tabCaption(tab)).append("\n");
        for (const FrameSpec& frame : frames()) {
            if (frame.tab == tab) {
                text += "   " + frameLine(ws, frame) + "\n";
            }
        }
    }
    text += "\nList of modified parameters:\n" + message::shownText(ws.modifiedListText());
    return text;
}

} // namespace tessaro::cli
