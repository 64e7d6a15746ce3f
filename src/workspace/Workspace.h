// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workspace: the value of every control, the argument bytes of every parameter, the
// modified flags, and the window-title bookkeeping. It is the source of truth that the
// window, the profile files and the command line all edit through the same apply steps.

#include "workspace/Catalogue.h"
#include "workspace/Encoding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::workspace {

// Who changed a control. A slider moved by the user also marks the workspace as modified;
// a slider set by the program only runs its apply step.
enum class ChangeSource { User, Program };

struct PrintModeBytes {
    std::uint8_t height = 0;
    std::uint8_t width = 0;
    std::uint8_t underline = 0;
};

struct SerialBytes {
    int speedIndex = 3;           // index in the serialspeed list
    std::uint8_t handshake = 128; // 0 for Xon-Xoff, 128 for DSR/DTR
    std::uint8_t ir = 0;          // 8 while IR is enabled
};

inline constexpr std::string_view kProductName = "Tessaro";

class Workspace {
  public:
    // Every control at its factory value, every flag clear, the title the bare product name:
    // the state before the main window's start-up has run.
    Workspace();

    // The main window's start-up: title "Tessaro - default", factory reload, then every
    // flag cleared, an empty modified list and no unsaved changes.
    void startUp();

    void setSlider(ControlId id, int value, ChangeSource source); // clamped to the range
    void selectListEntry(ControlId id, int index);                // index must be in range
    void selectOption(ControlId id);
    void setContinuousPaper(bool checked);

    void MarkWorkspaceModified();
    void RefreshModifiedList();
    // Reload the factory settings ("Reload Factory Settings to Workspace").
    void defaultparam_Click();
    void clearModifiedFlags();

    // Title bookkeeping: the title becomes the prefix "Tessaro - ", one more blank when
    // asked (a save does so), and the configuration name.
    void rebuildTitle(std::string configName, bool extraBlank = false);
    void clearUnsavedChanges() { unsaved_ = false; }

    int value(ControlId id) const { return values_.at(id); }
    bool isEnabled(ControlId id) const { return enabled_.at(id); }
    const std::string& frameCaption(std::size_t frame) const { return captions_.at(frame); }
    const std::string& frameCaption(std::string_view frameName) const;
    ArgumentBytes arguments(Param p) const { return arguments_[index(p)]; }
    bool isModified(Param p) const { return modified_[index(p)]; }
    bool continuousPaper() const;
    PrintModeBytes printMode() const { return printMode_; }
    SerialBytes serial() const { return serial_; }
    bool hasUnsavedChanges() const { return unsaved_; }
    const std::string& configName() const { return configName_; }
    const std::string& title() const { return title_; }
    const std::string& modifiedListText() const { return modifiedList_; }

  private:
    void applySlider(ControlId id);
    void applyMarkLength();
    void applyList(ControlId id);
    void applyOption(ControlId id);
    void setFlag(Param p) { modified_[index(p)] = true; }
    void setControlValue(ControlId id, int value);

    std::vector<int> values_;           // by control
    std::vector<bool> enabled_;         // by control
    std::vector<std::string> captions_; // by frame
    std::array<ArgumentBytes, kParamCount> arguments_{};
    std::array<bool, kParamCount> modified_{};
    PrintModeBytes printMode_;
    SerialBytes serial_;
    bool unsaved_ = false;
    std::string configName_;
    std::string title_{kProductName};
    std::string modifiedList_;
};

} // namespace tessaro::workspace
