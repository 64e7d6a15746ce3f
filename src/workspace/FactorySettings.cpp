// SPDX-License-Identifier: GPL-3.0-or-later
// The factory reload and the start-up state of the workspace.

#include "workspace/Workspace.h"

#include <vector>

namespace tessaro::workspace {
namespace {

// The reload sets the sliders, then the lists, then the print-mode options, each kind in the
// order the parameters are sent; the mark length comes last, after its check box.
std::vector<ControlId> reloadOrder(ControlKind kind) {
    std::vector<ControlId> order;
    for (const ParameterRow& row : kParameters) {
        for (ControlId id = 0; id < controls().size(); ++id) {
            const ControlSpec& c = control(id);
            if (c.param == row.param && c.kind == kind && row.param != Param::MarkLength) {
                order.push_back(id);
            }
        }
    }
    return order;
}

} // namespace

void Workspace::defaultparam_Click() {
    rebuildTitle("default");
    // Held set while the controls are set, so that their selection steps leave the title be.
    unsaved_ = true;
    for (const ControlId id : reloadOrder(ControlKind::Slider)) {
        setSlider(id, control(id).factory, ChangeSource::Program);
    }
    for (const ControlId id : reloadOrder(ControlKind::List)) {
        selectListEntry(id, control(id).factory);
    }
    for (const ControlId id : reloadOrder(ControlKind::Option)) {
        if (control(id).factory != 0) {
            selectOption(id);
        }
    }
    const bool markLengthFlag = isModified(Param::MarkLength);
    clearModifiedFlags();
    modified_[index(Param::MarkLength)] = markLengthFlag;
    if (!continuousPaper()) {
        setContinuousPaper(true); // the box's click step runs only when its state changes
    }
    const ControlId markLength = controlId("SliderMarkLength");
    setSlider(markLength, control(markLength).factory, ChangeSource::Program);
    RefreshModifiedList();
    unsaved_ = false;
}

void Workspace::startUp() {
    configName_ = "default";
    title_ = std::string(kProductName) + " - " + configName_;
    defaultparam_Click();
    clearModifiedFlags();
    RefreshModifiedList();
    unsaved_ = false;
}

} // namespace tessaro::workspace
