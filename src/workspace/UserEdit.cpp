// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/UserEdit.h"

#include "message/ShownText.h"
#include "workspace/ValueText.h"

#include <cctype>

namespace tessaro::workspace {
namespace {

std::optional<ControlId> findControlIgnoringCase(std::string_view key) {
    const auto all = controls();
    for (ControlId id = 0; id < all.size(); ++id) {
        const auto name = all[id].key;
        bool same = name.size() == key.size();
        for (std::size_t i = 0; same && i < key.size(); ++i) {
            same = std::tolower(static_cast<unsigned char>(name[i])) ==
                   std::tolower(static_cast<unsigned char>(key[i]));
        }
        if (same) {
            return id;
        }
    }
    return std::nullopt;
}

std::string editPosition(Workspace& ws, ControlId id, std::string_view value) {
    const ControlSpec& def = control(id);
    const auto number = parseWholeNumber(value);
    if (!number || *number < def.min || *number > def.max) {
        return std::string(def.key) + " takes a whole number from " + std::to_string(def.min) +
               " to " + std::to_string(def.max) + ", not \"" + message::oneLine(value) + "\"";
    }
    if (def.kind == ControlKind::Slider) {
        ws.setSlider(id, *number, ChangeSource::User);
    } else {
        ws.selectListEntry(id, *number);
    }
    return "";
}

std::string disabledReason(ControlId id) {
    if (control(id).key == "SliderMarkLength") {
        return "SliderMarkLength is disabled while ENContPaper is True; set ENContPaper=False "
               "first";
    }
    return "serialhandshake is disabled while irda is 1 (IR Enable); set irda=0 first";
}

} // namespace

std::string applyUserEdit(Workspace& ws, std::string_view key, std::string_view value) {
    const auto id = findControlIgnoringCase(key);
    if (!id) {
        return "unknown key \"" + message::oneLine(key) + "\"";
    }
    const ControlSpec& def = control(*id);
    if (!ws.isEnabled(*id)) {
        return disabledReason(*id);
    }
    const auto truth = parseTruth(value);
    switch (def.kind) {
    case ControlKind::Slider:
    case ControlKind::List:
        return editPosition(ws, *id, value);
    case ControlKind::Option:
        if (!truth || !*truth) {
            return std::string(def.key) + " takes True (choose another option to clear it)";
        }
        ws.selectOption(*id);
        return "";
    case ControlKind::CheckBox:
        if (!truth) {
            return std::string(def.key) + " takes True or False";
        }
        ws.setContinuousPaper(*truth);
        return "";
    }
    return "";
}

} // namespace tessaro::workspace
