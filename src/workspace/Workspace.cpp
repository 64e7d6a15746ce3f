// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/Workspace.h"

#include "message/ShownText.h"
#include "workspace/ModifiedList.h"

#include <algorithm>
#include <cassert>

namespace tessaro::workspace {
namespace {

// Read from the catalogue, which is constant-initialised before any code runs.
const ControlId kMarkLength = controlId("SliderMarkLength");
const ControlId kContinuousPaper = controlId("ENContPaper");
const ControlId kHandshake = controlId("serialhandshake");

} // namespace

Workspace::Workspace() : enabled_(controls().size(), true) {
    for (const ControlSpec& def : controls()) {
        values_.push_back(def.factory);
    }
    enabled_[kMarkLength] = false; // parked while continuous paper is checked
    for (const FrameSpec& frame : frames()) {
        captions_.emplace_back(frame.designCaption);
    }
}

const std::string& Workspace::frameCaption(std::string_view frameName) const {
    const auto f = findFrame(frameName);
    assert(f.has_value());
    return captions_.at(*f);
}

bool Workspace::continuousPaper() const {
    return values_[kContinuousPaper] != 0;
}

void Workspace::setControlValue(ControlId id, int value) {
    const ControlSpec& def = control(id);
    values_.at(id) = std::clamp(value, def.min, def.max);
}

void Workspace::setSlider(ControlId id, int value, ChangeSource source) {
    assert(control(id).kind == ControlKind::Slider);
    setControlValue(id, value);
    applySlider(id);
    if (source == ChangeSource::User) {
        MarkWorkspaceModified();
    }
}

void Workspace::selectListEntry(ControlId id, int index) {
    assert(control(id).kind == ControlKind::List);
    assert(index >= control(id).min && index <= control(id).max);
    setControlValue(id, index);
    applyList(id);
    MarkWorkspaceModified();
}

void Workspace::selectOption(ControlId id) {
    const ControlSpec& def = control(id);
    assert(def.kind == ControlKind::Option);
    const auto all = controls();
    for (ControlId other = 0; other < all.size(); ++other) {
        if (all[other].kind == ControlKind::Option && all[other].group == def.group) {
            values_[other] = other == id ? 1 : 0;
        }
    }
    applyOption(id);
    MarkWorkspaceModified();
}

void Workspace::setContinuousPaper(bool checked) {
    values_[kContinuousPaper] = checked ? 1 : 0;
    applyMarkLength();
    MarkWorkspaceModified();
}

void Workspace::applySlider(ControlId id) {
    if (id == kMarkLength) {
        applyMarkLength();
        return;
    }
    const ControlSpec& def = control(id);
    const int v = values_[id];
    captions_[*findFrame(def.frame)] = sliderCaption(def, v);
    arguments_[index(def.param)] = sliderArguments(def, v);
    setFlag(def.param);
}

// The mark-length slider is read only while continuous paper is unchecked; checked, the
// printer is sent 0 and the slider is disabled where it stands.
void Workspace::applyMarkLength() {
    const ControlSpec& def = control(kMarkLength);
    const bool continuous = continuousPaper();
    const int v = values_[kMarkLength];
    captions_[*findFrame(def.frame)] = sliderCaption(def, v, continuous);
    arguments_[index(Param::MarkLength)] = sliderArguments(def, v, continuous);
    enabled_[kMarkLength] = !continuous;
    setFlag(Param::MarkLength);
}

void Workspace::applyList(ControlId id) {
    const ControlSpec& def = control(id);
    const int i = values_[id];
    switch (def.rule) {
    case ArgRule::SerialSpeed:
        serial_.speedIndex = i;
        break;
    case ArgRule::SerialHandshake:
        serial_.handshake = static_cast<std::uint8_t>(128 * i);
        break;
    case ArgRule::Irda:
        // IR needs the DSR/DTR handshake: enabling IR selects it and locks the list.
        if (i == 1) {
            if (values_[kHandshake] != 1) {
                selectListEntry(kHandshake, 1);
            }
            serial_.handshake = 128;
        }
        enabled_[kHandshake] = i == 0;
        serial_.ir = static_cast<std::uint8_t>(8 * i);
        break;
    default:
        arguments_[index(def.param)] = oneByte(i);
        break;
    }
    setFlag(def.param);
}

void Workspace::applyOption(ControlId id) {
    const ControlSpec& def = control(id);
    switch (def.group) {
    case OptionGroup::Height:
        printMode_.height = def.optionByte;
        break;
    case OptionGroup::Width:
        printMode_.width = def.optionByte;
        break;
    case OptionGroup::Underline:
        printMode_.underline = def.optionByte;
        break;
    case OptionGroup::None:
        break;
    }
    setFlag(Param::PrintMode);
}

void Workspace::MarkWorkspaceModified() {
    if (!unsaved_) {
        unsaved_ = true;
        title_ += " *";
    }
    RefreshModifiedList();
}

void Workspace::RefreshModifiedList() {
    modifiedList_ = workspace::modifiedListText(modified_);
}

void Workspace::clearModifiedFlags() {
    modified_.fill(false);
}

void Workspace::rebuildTitle(std::string configName, bool extraBlank) {
    configName_ = std::move(configName);
    // A file name with a line break in it keeps the title on one line.
    title_ =
        std::string(kProductName) + " - " + (extraBlank ? " " : "") + message::oneLine(configName_);
}

} // namespace tessaro::workspace
