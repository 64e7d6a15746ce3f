// The factory reload and the start-up state of the workspace.

#include "workspace/Workspace.h"

#include <array>
#include <string_view>
#include <utility>

namespace tessaro::workspace {
namespace {

using Setting = std::pair<std::string_view, int>;

// The order in which the reload sets the controls.
constexpr std::array<Setting, 19> kFactorySliders{{
    {"SliderAutosleep", 0},   {"SliderPFSspeed", 62},      {"SliderPLlength", 40},
    {"SliderPLspeed", 11},    {"SliderPLpause", 0},        {"SliderTOFpos", 0},
    {"SliderMARKCUT", 0},     {"SliderHEADCUT", 11},       {"SliderOPTOHEAD", 104},
    {"SlidAccel", 20},        {"SliderPrelinespacing", 0}, {"SliderLinespacing", 3},
    {"SliderCharspacing", 1}, {"SliderMaxcolumn", 255},    {"SliderMaxcurrent", 5},
    {"SliderIntensity", 0},   {"SliderBusyhold", 50},      {"SliderBarcodeheight", 128},
    {"SliderBarmagn", 3},
}};

constexpr std::array<Setting, 9> kFactoryLists{{
    {"Barcodepos", 3},
    {"Barcodeori", 0},
    {"Charset", 0},
    {"Internalfont", 0},
    {"Justification", 2},
    {"Rotated", 0},
    {"serialspeed", 3},
    {"serialhandshake", 1},
    {"irda", 0},
}};

constexpr std::array<std::string_view, 3> kFactoryOptions{"height1", "width1", "underno"};

} // namespace

void Workspace::defaultparam_Click() {
    rebuildTitle("default");
    // Held set while the controls are set, so that their selection steps leave the title be.
    unsaved_ = true;
    for (const auto& [key, v] : kFactorySliders) {
        setSlider(controlId(key), v, ChangeSource::Program);
    }
    for (const auto& [key, i] : kFactoryLists) {
        selectListEntry(controlId(key), i);
    }
    for (const auto key : kFactoryOptions) {
        selectOption(controlId(key));
    }
    const bool markLengthFlag = isModified(Param::MarkLength);
    clearModifiedFlags();
    modified_[index(Param::MarkLength)] = markLengthFlag;
    if (!continuousPaper()) {
        setContinuousPaper(true); // the box's click step runs only when its state changes
    }
    setSlider(controlId("SliderMarkLength"), 20, ChangeSource::Program);
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
