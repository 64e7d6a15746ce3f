// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/Catalogue.h"

#include "workspace/SerialSpeeds.h"
#include "workspace/WindowText.h"

#include <array>
#include <cassert>

namespace tessaro::workspace {
namespace {

using SV = std::string_view;

constexpr std::array<SV, 13> kCharsets{TESSARO_TEXT("Catalogue", "USA"),
                                       TESSARO_TEXT("Catalogue", "France"),
                                       TESSARO_TEXT("Catalogue", "Germany"),
                                       TESSARO_TEXT("Catalogue", "UK"),
                                       TESSARO_TEXT("Catalogue", "Denmark 1"),
                                       TESSARO_TEXT("Catalogue", "Sweden"),
                                       TESSARO_TEXT("Catalogue", "Italy"),
                                       TESSARO_TEXT("Catalogue", "Spain 1"),
                                       TESSARO_TEXT("Catalogue", "Japan"),
                                       TESSARO_TEXT("Catalogue", "Norway"),
                                       TESSARO_TEXT("Catalogue", "Denmark 2"),
                                       TESSARO_TEXT("Catalogue", "Spain 2"),
                                       TESSARO_TEXT("Catalogue", "Latine America ")};
constexpr std::array<SV, 3> kFonts{TESSARO_TEXT("Catalogue", "8x16 font"),
                                   TESSARO_TEXT("Catalogue", "12x20 font"),
                                   TESSARO_TEXT("Catalogue", "7x16 font")};
constexpr std::array<SV, 3> kJustifications{TESSARO_TEXT("Catalogue", "Center"),
                                            TESSARO_TEXT("Catalogue", "Right"),
                                            TESSARO_TEXT("Catalogue", "Left")};
constexpr std::array<SV, 2> kRotations{TESSARO_TEXT("Catalogue", "Normal"),
                                       TESSARO_TEXT("Catalogue", "180° Rotated")};
constexpr std::array<SV, 4> kBarcodePositions{TESSARO_TEXT("Catalogue", "Not Printed"),
                                              TESSARO_TEXT("Catalogue", "Above Barcode"),
                                              TESSARO_TEXT("Catalogue", "Under Barcode"),
                                              TESSARO_TEXT("Catalogue", "Above and Under Barcode")};
constexpr std::array<SV, 2> kBarcodeOrientations{TESSARO_TEXT("Catalogue", "Horizontal"),
                                                 TESSARO_TEXT("Catalogue", "Vertical")};
constexpr std::array<SV, 2> kHandshakes{TESSARO_TEXT("Catalogue", "Xon-Xoff"),
                                        TESSARO_TEXT("Catalogue", "DSR/DTR Mode")};
constexpr std::array<SV, 2> kIrda{TESSARO_TEXT("Catalogue", "IR Disable"),
                                  TESSARO_TEXT("Catalogue", "IR Enable")};

constexpr auto kFrames = std::to_array<FrameSpec>({
    {"Maxcurrent", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Dynamic Division"),
     TESSARO_TEXT("Catalogue", "Sets default number of black bytes activated per heat")},
    {"Intensity", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Intensity"),
     TESSARO_TEXT("Catalogue", "Sets default printout darkness")},
    {"Accelsmoothing", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Acceleration Smooting"),
     TESSARO_TEXT("Catalogue", "Sets default maximum acceleration ratio between two steps")},
    {"PFSspeed", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Max Printing Speed"),
     TESSARO_TEXT("Catalogue", "Sets the default max printing/paperfeed speed")},
    {"Autosleep", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Autosleep Time"),
     TESSARO_TEXT("Catalogue", "Sets the default time the printer enters in sleepmode")},
    {"serial", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Serial Communication Settings"),
     TESSARO_TEXT("Catalogue", "Sets the default serial/IR communication speed and handshake")},
    {"Busyhold", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Busy Hold Time"),
     TESSARO_TEXT("Catalogue", "Sets the default minimum active time for Busy")},
    {"PLpause", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Paper Loading Pause"),
     TESSARO_TEXT("Catalogue", "Sets the default pause time before paper is loaded")},
    {"PLlength", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Paper Loading Length"),
     TESSARO_TEXT("Catalogue", "Sets the default length for paper loading")},
    {"PLspeed", Tab::Setup, false, TESSARO_TEXT("Catalogue", "Paper Loading Speed"),
     TESSARO_TEXT("Catalogue", "Sets the default paper loading speed")},
    {"tcharset", Tab::Text, true, TESSARO_TEXT("Catalogue", "International Character Set:"),
     TESSARO_TEXT("Catalogue", "Sets the default international characters set used")},
    {"tinternalfont", Tab::Text, true, TESSARO_TEXT("Catalogue", "Default Internal Font:"),
     TESSARO_TEXT("Catalogue", "Sets the default internal font used ")},
    {"trotated", Tab::Text, true, TESSARO_TEXT("Catalogue", "Text orientation:"),
     TESSARO_TEXT("Catalogue", "Sets the default text rotation")},
    {"tjustification", Tab::Text, true, TESSARO_TEXT("Catalogue", "Text Justification:"),
     TESSARO_TEXT("Catalogue", "Sets the default text justification")},
    {"tPrintMode", Tab::Text, false, TESSARO_TEXT("Catalogue", "Print Mode"),
     TESSARO_TEXT("Catalogue", "Sets the default text features (height, width and underligned) ")},
    {"Maxcolumn", Tab::Text, false, TESSARO_TEXT("Catalogue", "Max Number of Characters / Line"),
     TESSARO_TEXT("Catalogue", "Sets the default maximum number of characters on a line ")},
    {"charspacing", Tab::Text, false, TESSARO_TEXT("Catalogue", "Character Spacing"),
     TESSARO_TEXT("Catalogue", "Sets the space between 2 characters on a line ")},
    {"linespacing", Tab::Text, false, TESSARO_TEXT("Catalogue", "Line Spacing"),
     TESSARO_TEXT("Catalogue", "Sets the number of blank lines between two characters lines ")},
    {"prelinespacing", Tab::Text, false, TESSARO_TEXT("Catalogue", "Pre-Line Spacing"),
     TESSARO_TEXT("Catalogue", "Sets the preline spacing distance useful in inverse video mode")},
    {"BarcodeHeight", Tab::Barcode, false, TESSARO_TEXT("Catalogue", "Barcode Height"),
     TESSARO_TEXT("Catalogue", "Sets the default height of the barcode")},
    {"barmagn", Tab::Barcode, false, TESSARO_TEXT("Catalogue", "Barcode Magnification"),
     TESSARO_TEXT("Catalogue", "Sets the default magnification of the barcode")},
    {"tBarcodepos", Tab::Barcode, true, TESSARO_TEXT("Catalogue", "Barcode Text Position:"),
     TESSARO_TEXT("Catalogue", "Sets the default text position on the barcode")},
    {"tBarcodeori", Tab::Barcode, true, TESSARO_TEXT("Catalogue", "Barcode Orientation:"),
     TESSARO_TEXT("Catalogue", "Sets the default barcode orientation (vertical or horizontal)")},
    {"MARKCUT", Tab::Hole, false, TESSARO_TEXT("Catalogue", "Mark To Cut Position"),
     TESSARO_TEXT("Catalogue", "Sets the distance between black mark and cutter")},
    {"HEADCUT", Tab::Hole, false, TESSARO_TEXT("Catalogue", "Head To Cut Length"),
     TESSARO_TEXT("Catalogue", "Sets the distance between Head line and cutter ")},
    {"OPTOHEAD", Tab::Hole, false, TESSARO_TEXT("Catalogue", "Opto To Head Length"),
     TESSARO_TEXT(
         "Catalogue",
         "Sets the distance between head line and opto sensor (remain unchanged if not sure)")},
    {"TOFpos", Tab::Hole, false, TESSARO_TEXT("Catalogue", "Top Of Form Position"),
     TESSARO_TEXT("Catalogue", "Sets the default Top Of Form position")},
    {"MarkLengthCap", Tab::Hole, false, TESSARO_TEXT("Catalogue", "Mark Length"), ""},
});

constexpr ControlSpec slider(SV key, Param param, SV frame, int min, int max, int page, int ticks,
                             int factory, SV caption, Scale scale, ArgRule rule) {
    ControlSpec c{.key = key, .kind = ControlKind::Slider, .param = param, .frame = frame};
    c.min = min;
    c.max = max;
    c.pageStep = page;
    c.tickInterval = ticks;
    c.factory = factory;
    c.caption = caption;
    c.scale = scale;
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
                           TESSARO_TEXT("Catalogue", "Dynamic Division :%1 Black Bytes"),
                           Scale::Value, ArgRule::Value);
    c.captionSingular = TESSARO_TEXT("Catalogue", "Dynamic Division :%1 Black Byte");
    return c;
}

constexpr ControlSpec continuousPaper() {
    ControlSpec c{.key = "ENContPaper", .kind = ControlKind::CheckBox, .param = Param::MarkLength};
    c.frame = "MarkLengthCap";
    c.max = 1;
    c.factory = 1;
    c.rule = ArgRule::ContinuousPaper;
    c.text = TESSARO_TEXT("Catalogue", "Continuous paper Feed Mode");
    return c;
}

using P = Param;
using S = Scale;
using R = ArgRule;

constexpr auto kControls = std::to_array<ControlSpec>({
    // Setup and hardware control
    maxcurrent(),
    slider("SliderIntensity", P::Intensity, "Intensity", -60, 59, 5, 5, 0,
           TESSARO_TEXT("Catalogue", "Intensity :%1%"), S::Value, R::Intensity),
    slider("SlidAccel", P::Accel, "Accelsmoothing", 0, 100, 5, 10, 20,
           TESSARO_TEXT("Catalogue", "Acceleration smoothing :   %1%"), S::Value, R::Accel),
    slider("SliderPFSspeed", P::PFSspeed, "PFSspeed", 5, 150, 1, 5, 62,
           TESSARO_TEXT("Catalogue", "Max Printing Speed :%1 mm/s"), S::Value, R::Period),
    slider("SliderAutosleep", P::Autosleep, "Autosleep", 0, 255, 1, 10, 0,
           TESSARO_TEXT("Catalogue", "Autosleep Time :%1 s"), S::Times5, R::Value),
    list("serialspeed", P::Serial, "serial", kSpeedNames, 3, R::SerialSpeed),
    list("serialhandshake", P::Serial, "serial", kHandshakes, 1, R::SerialHandshake),
    list("irda", P::Serial, "serial", kIrda, 0, R::Irda),
    slider("SliderBusyhold", P::Busyhold, "Busyhold", 0, 255, 5, 15, 50,
           TESSARO_TEXT("Catalogue", "Busy Hold Time :%1µs"), S::Plus30, R::Value),
    slider("SliderPLpause", P::PLpause, "PLpause", 0, 124, 4, 8, 0,
           TESSARO_TEXT("Catalogue", "Paper Loading Pause :%1 sec"), S::Quarters, R::Pause),
    slider("SliderPLlength", P::PLlength, "PLlength", 1, 8191, 10, 100, 40,
           TESSARO_TEXT("Catalogue", "Paper Loading Length :%1 mm"), S::Value, R::LengthMm),
    slider("SliderPLspeed", P::PLspeed, "PLspeed", 5, 125, 5, 5, 11,
           TESSARO_TEXT("Catalogue", "Paper Loading Speed :%1 mm/s"), S::Value, R::Period),
    // Text and general commands
    list("Charset", P::Charset, "tcharset", kCharsets, 0),
    list("Internalfont", P::Internalfont, "tinternalfont", kFonts, 0),
    list("Rotated", P::Rotated, "trotated", kRotations, 0),
    list("Justification", P::Justification, "tjustification", kJustifications, 2),
    option("height1", OptionGroup::Height, 0x00, TESSARO_TEXT("Catalogue", "Simple"), true),
    option("height2", OptionGroup::Height, 0x10, TESSARO_TEXT("Catalogue", "Double"), false),
    option("height4", OptionGroup::Height, 0x02, TESSARO_TEXT("Catalogue", "Quadruple"), false),
    option("width1", OptionGroup::Width, 0x00, TESSARO_TEXT("Catalogue", "Simple"), true),
    option("width2", OptionGroup::Width, 0x20, TESSARO_TEXT("Catalogue", "Double"), false),
    option("width4", OptionGroup::Width, 0x04, TESSARO_TEXT("Catalogue", "Quadruple"), false),
    option("underyes", OptionGroup::Underline, 0x80, TESSARO_TEXT("Catalogue", "Yes"), false),
    option("underno", OptionGroup::Underline, 0x00, TESSARO_TEXT("Catalogue", "No"), true),
    slider("SliderMaxcolumn", P::Maxcolumn, "Maxcolumn", 1, 255, 1, 10, 255,
           TESSARO_TEXT("Catalogue", "Max Characters/Line :%1"), S::Value, R::Value),
    slider("SliderCharspacing", P::Charspacing, "charspacing", 1, 16, 1, 1, 1,
           TESSARO_TEXT("Catalogue", "Character Spacing :%1 mm"), S::Eighths, R::Value),
    slider("SliderLinespacing", P::Linespacing, "linespacing", 3, 15, 1, 1, 3,
           TESSARO_TEXT("Catalogue", "Line Spacing :%1 mm"), S::Eighths, R::Value),
    slider("SliderPrelinespacing", P::Prelinespacing, "prelinespacing", 0, 15, 1, 1, 0,
           TESSARO_TEXT("Catalogue", "Pre-Line Spacing :%1 mm"), S::Eighths, R::Value),
    // Barcode commands
    slider("SliderBarcodeheight", P::Barcodeheight, "BarcodeHeight", 1, 255, 1, 10, 128,
           TESSARO_TEXT("Catalogue", "Barcode Height :%1mm"), S::Eighths, R::Value),
    slider("SliderBarmagn", P::Barmagn, "barmagn", 2, 6, 1, 1, 3,
           TESSARO_TEXT("Catalogue", "Barcode Magnification :%1mm"), S::Eighths, R::Value),
    list("Barcodepos", P::Barcodepos, "tBarcodepos", kBarcodePositions, 3),
    list("Barcodeori", P::Barcodeori, "tBarcodeori", kBarcodeOrientations, 0),
    // Hole/Black mark detection commands
    slider("SliderMARKCUT", P::MARKCUT, "MARKCUT", 0, 8191, 1, 100, 0,
           TESSARO_TEXT("Catalogue", "Mark To Cut Position :%1 mm"), S::Eighths, R::Dots),
    slider("SliderHEADCUT", P::HEADCUT, "HEADCUT", 0, 8191, 1, 100, 11,
           TESSARO_TEXT("Catalogue", "Head To Cut Length :%1 mm"), S::Eighths, R::Dots),
    slider("SliderOPTOHEAD", P::OPTOHEAD, "OPTOHEAD", 0, 1600, 1, 25, 104,
           TESSARO_TEXT("Catalogue", "Opto To Head Length :%1 mm"), S::Eighths, R::Dots),
    slider("SliderTOFpos", P::TOFpos, "TOFpos", -4095, 4095, 1, 100, 0,
           TESSARO_TEXT("Catalogue", "Top Of Form Position :%1 mm"), S::Eighths, R::TopOfForm),
    continuousPaper(),
    slider("SliderMarkLength", P::MarkLength, "MarkLengthCap", 20, 56, 1, 1, 20,
           TESSARO_TEXT("Catalogue", "MarkLength :%1 mm"), S::Eighths, R::MarkLength),
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
        return TESSARO_TEXT("Catalogue", "Height");
    case OptionGroup::Width:
        return TESSARO_TEXT("Catalogue", "Width");
    case OptionGroup::Underline:
        return TESSARO_TEXT("Catalogue", "Underligned");
    case OptionGroup::None:
        break;
    }
    return "";
}

} // namespace tessaro::workspace
