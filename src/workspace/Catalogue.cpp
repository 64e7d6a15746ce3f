// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/Catalogue.h"

#include "workspace/SerialSpeeds.h"

#include <array>
#include <cassert>

namespace tessaro::workspace {
namespace {

using SV = std::string_view;

constexpr std::array<SV, 13> kCharsets{
    "USA",     "France", "Germany", "UK",        "Denmark 1", "Sweden",         "Italy",
    "Spain 1", "Japan",  "Norway",  "Denmark 2", "Spain 2",   "Latine America "};
constexpr std::array<SV, 3> kFonts{"8x16 font", "12x20 font", "7x16 font"};
constexpr std::array<SV, 3> kJustifications{"Center", "Right", "Left"};
constexpr std::array<SV, 2> kRotations{"Normal", "180° Rotated"};
constexpr std::array<SV, 4> kBarcodePositions{"Not Printed", "Above Barcode", "Under Barcode",
                                              "Above and Under Barcode"};
constexpr std::array<SV, 2> kBarcodeOrientations{"Horizontal", "Vertical"};
constexpr std::array<SV, 2> kHandshakes{"Xon-Xoff", "DSR/DTR Mode"};
constexpr std::array<SV, 2> kIrda{"IR Disable", "IR Enable"};

constexpr auto kFrames = std::to_array<FrameSpec>({
    {"Maxcurrent", Tab::Setup, false, "Dynamic Division",
     "Sets default number of black bytes activated per heat"},
    {"Intensity", Tab::Setup, false, "Intensity", "Sets default printout darkness"},
    {"Accelsmoothing", Tab::Setup, false, "Acceleration Smooting",
     "Sets default maximum acceleration ratio between two steps"},
    {"PFSspeed", Tab::Setup, false, "Max Printing Speed",
     "Sets the default max printing/paperfeed speed"},
    {"Autosleep", Tab::Setup, false, "Autosleep Time",
     "Sets the default time the printer enters in sleepmode"},
    {"serial", Tab::Setup, false, "Serial Communication Settings",
     "Sets the default serial/IR communication speed and handshake"},
    {"Busyhold", Tab::Setup, false, "Busy Hold Time",
     "Sets the default minimum active time for Busy"},
    {"PLpause", Tab::Setup, false, "Paper Loading Pause",
     "Sets the default pause time before paper is loaded"},
    {"PLlength", Tab::Setup, false, "Paper Loading Length",
     "Sets the default length for paper loading"},
    {"PLspeed", Tab::Setup, false, "Paper Loading Speed", "Sets the default paper loading speed"},
    {"tcharset", Tab::Text, true,
     "International Character Set:", "Sets the default international characters set used"},
    {"tinternalfont", Tab::Text, true,
     "Default Internal Font:", "Sets the default internal font used "},
    {"trotated", Tab::Text, true, "Text orientation:", "Sets the default text rotation"},
    {"tjustification", Tab::Text, true,
     "Text Justification:", "Sets the default text justification"},
    {"tPrintMode", Tab::Text, false, "Print Mode",
     "Sets the default text features (height, width and underligned) "},
    {"Maxcolumn", Tab::Text, false, "Max Number of Characters / Line",
     "Sets the default maximum number of characters on a line "},
    {"charspacing", Tab::Text, false, "Character Spacing",
     "Sets the space between 2 characters on a line "},
    {"linespacing", Tab::Text, false, "Line Spacing",
     "Sets the number of blank lines between two characters lines "},
    {"prelinespacing", Tab::Text, false, "Pre-Line Spacing",
     "Sets the preline spacing distance useful in inverse video mode"},
    {"BarcodeHeight", Tab::Barcode, false, "Barcode Height",
     "Sets the default height of the barcode"},
    {"barmagn", Tab::Barcode, false, "Barcode Magnification",
     "Sets the default magnification of the barcode"},
    {"tBarcodepos", Tab::Barcode, true,
     "Barcode Text Position:", "Sets the default text position on the barcode"},
    {"tBarcodeori", Tab::Barcode, true,
     "Barcode Orientation:", "Sets the default barcode orientation (vertical or horizontal)"},
    {"MARKCUT", Tab::Hole, false, "Mark To Cut Position",
     "Sets the distance between black mark and cutter"},
    {"HEADCUT", Tab::Hole, false, "Head To Cut Length",
     "Sets the distance between Head line and cutter "},
    {"OPTOHEAD", Tab::Hole, false, "Opto To Head Length",
     "Sets the distance between head line and opto sensor (remain unchanged if not sure)"},
    {"TOFpos", Tab::Hole, false, "Top Of Form Position", "Sets the default Top Of Form position"},
    {"MarkLengthCap", Tab::Hole, false, "Mark Length", ""},
});

constexpr ControlSpec slider(SV key, Param param, SV frame, int min, int max, int page, int ticks,
                             int factory, SV label, Scale scale, SV unit, ArgRule rule) {
    ControlSpec c{.key = key, .kind = ControlKind::Slider, .param = param, .frame = frame};
    c.min = min;
    c.max = max;
    c.pageStep = page;
    c.tickInterval = ticks;
    c.factory = factory;
    c.label = label;
    c.scale = scale;
    c.unit = unit;
    c.rule = rule;
    return c;
}

constexpr ControlSpec list(SV key, Param param, SV frame, std::span<const SV> entries, int factory,
                           ArgRule rule = ArgRule::ListIndex) {
    ControlSpec c{.key = key, .kind = ControlKind::List, .param = param, .frame = frame};
    c.max = static_cast<int>(entries.size()) - 1;
    c.factory = factory;
    c.rule = rule;
    c.entries = entries;
    return c;
}

constexpr ControlSpec option(SV key, OptionGroup group, unsigned char byte, SV text, bool factory) {
    ControlSpec c{.key = key, .kind = ControlKind::Option, .param = Param::PrintMode};
    c.frame = "tPrintMode";
    c.max = 1;
    c.factory = factory ? 1 : 0;
    c.rule = ArgRule::OptionByte;
    c.group = group;
    c.optionByte = byte;
    c.text = text;
    return c;
}

constexpr ControlSpec maxcurrent() {
    ControlSpec c = slider("SliderMaxcurrent", Param::Maxcurrent, "Maxcurrent", 1, 32, 1, 1, 5,
                           "Dynamic Division :", Scale::Value, " Black Bytes", ArgRule::Value);
    c.unitSingular = " Black Byte";
    return c;
}

constexpr ControlSpec continuousPaper() {
    ControlSpec c{.key = "ENContPaper", .kind = ControlKind::CheckBox, .param = Param::MarkLength};
    c.frame = "MarkLengthCap";
    c.max = 1;
    c.factory = 1;
    c.rule = ArgRule::ContinuousPaper;
    c.text = "Continuous paper Feed Mode";
    return c;
}

using P = Param;
using S = Scale;
using R = ArgRule;

constexpr auto kControls = std::to_array<ControlSpec>({
    // Setup and hardware control
    maxcurrent(),
    slider("SliderIntensity", P::Intensity, "Intensity", -60, 59, 5, 5, 0, "Intensity :", S::Value,
           "%", R::Intensity),
    slider("SlidAccel", P::Accel, "Accelsmoothing", 0, 100, 5, 10, 20,
           "Acceleration smoothing :   ", S::Value, "%", R::Accel),
    slider("SliderPFSspeed", P::PFSspeed, "PFSspeed", 5, 150, 1, 5, 62,
           "Max Printing Speed :", S::Value, " mm/s", R::Period),
    slider("SliderAutosleep", P::Autosleep, "Autosleep", 0, 255, 1, 10, 0,
           "Autosleep Time :", S::Times5, " s", R::Value),
    list("serialspeed", P::Serial, "serial", kSpeedNames, 3, R::SerialSpeed),
    list("serialhandshake", P::Serial, "serial", kHandshakes, 1, R::SerialHandshake),
    list("irda", P::Serial, "serial", kIrda, 0, R::Irda),
    slider("SliderBusyhold", P::Busyhold, "Busyhold", 0, 255, 5, 15, 50,
           "Busy Hold Time :", S::Plus30, "µs", R::Value),
    slider("SliderPLpause", P::PLpause, "PLpause", 0, 124, 4, 8, 0,
           "Paper Loading Pause :", S::Quarters, " sec", R::Pause),
    slider("SliderPLlength", P::PLlength, "PLlength", 1, 8191, 10, 100, 40,
           "Paper Loading Length :", S::Value, " mm", R::LengthMm),
    slider("SliderPLspeed", P::PLspeed, "PLspeed", 5, 125, 5, 5, 11,
           "Paper Loading Speed :", S::Value, " mm/s", R::Period),
    // Text and general commands
    list("Charset", P::Charset, "tcharset", kCharsets, 0),
    list("Internalfont", P::Internalfont, "tinternalfont", kFonts, 0),
    list("Rotated", P::Rotated, "trotated", kRotations, 0),
    list("Justification", P::Justification, "tjustification", kJustifications, 2),
    option("height1", OptionGroup::Height, 0x00, "Simple", true),
    option("height2", OptionGroup::Height, 0x10, "Double", false),
    option("height4", OptionGroup::Height, 0x02, "Quadruple", false),
    option("width1", OptionGroup::Width, 0x00, "Simple", true),
    option("width2", OptionGroup::Width, 0x20, "Double", false),
    option("width4", OptionGroup::Width, 0x04, "Quadruple", false),
    option("underyes", OptionGroup::Underline, 0x80, "Yes", false),
    option("underno", OptionGroup::Underline, 0x00, "No", true),
    slider("SliderMaxcolumn", P::Maxcolumn, "Maxcolumn", 1, 255, 1, 10, 255,
           "Max Characters/Line :", S::Value, "", R::Value),
    slider("SliderCharspacing", P::Charspacing, "charspacing", 1, 16, 1, 1, 1,
           "Character Spacing :", S::Eighths, " mm", R::Value),
    slider("SliderLinespacing", P::Linespacing, "linespacing", 3, 15, 1, 1, 3,
           "Line Spacing :", S::Eighths, " mm", R::Value),
    slider("SliderPrelinespacing", P::Prelinespacing, "prelinespacing", 0, 15, 1, 1, 0,
           "Pre-Line Spacing :", S::Eighths, " mm", R::Value),
    // Barcode commands
    slider("SliderBarcodeheight", P::Barcodeheight, "BarcodeHeight", 1, 255, 1, 10, 128,
           "Barcode Height :", S::Eighths, "mm", R::Value),
    slider("SliderBarmagn", P::Barmagn, "barmagn", 2, 6, 1, 1, 3,
           "Barcode Magnification :", S::Eighths, "mm", R::Value),
    list("Barcodepos", P::Barcodepos, "tBarcodepos", kBarcodePositions, 3),
    list("Barcodeori", P::Barcodeori, "tBarcodeori", kBarcodeOrientations, 0),
    // Hole/Black mark detection commands
    slider("SliderMARKCUT", P::MARKCUT, "MARKCUT", 0, 8191, 1, 100, 0,
           "Mark To Cut Position :", S::Eighths, " mm", R::Dots),
    slider("SliderHEADCUT", P::HEADCUT, "HEADCUT", 0, 8191, 1, 100, 11,
           "Head To Cut Length :", S::Eighths, " mm", R::Dots),
    slider("SliderOPTOHEAD", P::OPTOHEAD, "OPTOHEAD", 0, 1600, 1, 25, 104,
           "Opto To Head Length :", S::Eighths, " mm", R::Dots),
    slider("SliderTOFpos", P::TOFpos, "TOFpos", -4095, 4095, 1, 100, 0,
           "Top Of Form Position :", S::Eighths, " mm", R::TopOfForm),
    continuousPaper(),
    slider("SliderMarkLength", P::MarkLength, "MarkLengthCap", 20, 56, 1, 1, 20,
           "MarkLength :", S::Eighths, " mm", R::MarkLength),
});

} // namespace

std::string_view tabCaption(Tab tab) {
    return tabRow(tab).caption;
}

std::span<const FrameSpec> frames() {
    return kFrames;
}
std::span<const ControlSpec> controls() {
    return kControls;
}

std::optional<ControlId> findControl(std::string_view key) {
    for (ControlId id = 0; id < kControls.size(); ++id) {
        if (kControls[id].key == key) {
            return id;
        }
    }
    return std::nullopt;
}

ControlId controlId(std::string_view key) {
    const auto id = findControl(key);
    assert(id && "unknown control key");
    return *id;
}

std::optional<std::size_t> findFrame(std::string_view name) {
    for (std::size_t i = 0; i < kFrames.size(); ++i) {
        if (kFrames[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

const ControlSpec& control(ControlId id) {
    return kControls.at(id);
}

std::string_view optionGroupFrame(OptionGroup group) {
    switch (group) {
    case OptionGroup::Height:
        return "modeheight";
    case OptionGroup::Width:
        return "modewidth";
    case OptionGroup::Underline:
        return "modeunderlined";
    case OptionGroup::None:
        break;
    }
    return "";
}

std::string_view optionGroupCaption(OptionGroup group) {
    switch (group) {
    case OptionGroup::Height:
        return "Height";
    case OptionGroup::Width:
        return "Width";
    case OptionGroup::Underline:
        return "Underligned";
    case OptionGroup::None:
        break;
    }
    return "";
}

} // namespace tessaro::workspace
