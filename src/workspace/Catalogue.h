// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control catalogue: the controls that edit the parameters of the parameter table, with
// their ranges, factory values and argument rules; the frames and labels around them; and how
// a control's position becomes a caption and argument bytes. A control's key is its object
// name in the window and its key in a profile file.

#include "workspace/ParameterTable.h"
#include "workspace/WindowText.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tessaro::workspace {

std::string_view tabCaption(Tab tab);

enum class ControlKind { Slider, List, Option, CheckBox };

// What the caption shows for a slider position v.
enum class Scale {
    Value,    // v
    Times5,   // 5 v (autosleep, in seconds)
    Plus30,   // v + 30 (busy hold, in microseconds)
    Eighths,  // v / 8 (dots shown in millimetres)
    Quarters, // n / 8 with n = 2 v (paper loading pause, in seconds)
};

// How the argument bytes follow from the position.
enum class ArgRule {
    Value,           // n = v
    Intensity,       // n = floor((v + 60) * 128 / 60)
    Accel,           // n = floor((100 - v) / 100 * 255)
    Pause,           // n = 2 v
    Period,          // T = floor(125000 / v), high byte first
    Dots,            // u = v, high byte first
    LengthMm,        // u = 8 v, high byte first
    TopOfForm,       // u = v, or v + 65536 below zero, high byte first
    MarkLength,      // n = v, or 0 while continuous paper is checked
    ListIndex,       // n = index
    SerialSpeed,     // speed index, composed at send time
    SerialHandshake, // handshake byte = 128 * index
    Irda,            // IR byte = 8 * index
    OptionByte,      // print-mode byte of the option, composed at send time
    ContinuousPaper, // the check box beside the mark-length slider
};

enum class OptionGroup { None, Height, Width, Underline };

struct FrameSpec {
    std::string_view name; // object name of the frame (group box) or label
    Tab tab;
    bool isLabel;                   // a plain label beside a list rather than a group box
    std::string_view designCaption; // the caption until a value rewrites it
    std::string_view tooltip;       // "" for none
};

struct ControlSpec {
    std::string_view key{}; // object name of the control and its key in a profile file
    ControlKind kind = ControlKind::Slider;
    Param param = Param::Autosleep;
    std::string_view frame{}; // the frame or label that carries its caption
    int min = 0;              // sliders: range; lists: 0..entries-1; others 0..1
    int max = 0;
    int pageStep = 1;
    int tickInterval = 1;
    int factory = 0; // slider value, list index, 1 for a selected option or checked box
    // The frame's caption for a position: "%1" stands for the number text of the position
    // (with its leading blank), the unit follows it.
    std::string_view caption{};
    std::string_view captionSingular{}; // used instead at position 1 ("" = never)
    Scale scale = Scale::Value;
    ArgRule rule = ArgRule::Value;
    std::span<const std::string_view> entries{}; // list entries in index order
    OptionGroup group = OptionGroup::None;
    unsigned char optionByte = 0;
    std::string_view text{}; // option or check box caption
};

std::span<const FrameSpec> frames();
std::span<const ControlSpec> controls();

using ControlId = std::size_t;
std::optional<ControlId> findControl(std::string_view key);
ControlId controlId(std::string_view key); // the key must exist
std::optional<std::size_t> findFrame(std::string_view name);
const ControlSpec& control(ControlId id);

// The caption of the mark-length frame while continuous paper is checked.
inline constexpr std::string_view kContinuousPaperCaption =
    TESSARO_TEXT("Catalogue", "MarkLength: Continuous paper feed mode");

// The frames of the three option groups of the print mode, inside frame "tPrintMode".
std::string_view optionGroupFrame(OptionGroup group);
std::string_view optionGroupCaption(OptionGroup group);

} // namespace tessaro::workspace
