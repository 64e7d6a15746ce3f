// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parameter table: one row per printer parameter with everything the program knows of it
// outside its controls: the command that sets it and its argument length, the text shown
// while it is sent, its page, profile section and place in the file, and its line in the list
// of modified parameters. The row order is the order the printer is sent its commands. The
// controls that edit a parameter, with their ranges, factory values and argument rules, are
// the rows of the control catalogue that name it.

#include "workspace/WindowText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaro::workspace {

// The two command prefixes of the parameter commands.
inline constexpr char ESC = 0x1B;
inline constexpr char GS = 0x1D;

// One parameter per printer command, in the order the printer is sent its commands.
enum class Param {
    Autosleep,
    PFSspeed,
    PLlength,
    PLspeed,
    PLpause,
    TOFpos,
    MARKCUT,
    HEADCUT,
    OPTOHEAD,
    MarkLength,
    Accel,
    Prelinespacing,
    Linespacing,
    Charspacing,
    Maxcolumn,
    Maxcurrent,
    Intensity,
    Busyhold,
    Barcodeheight,
    Barmagn,
    Barcodepos,
    Barcodeori,
    Charset,
    Internalfont,
    Justification,
    Rotated,
    PrintMode,
    Serial,
};

constexpr std::size_t index(Param p) {
    return static_cast<std::size_t>(p);
}

// A page of the window; it is also a section of a profile and a group of the modified list.
enum class Tab { Setup, Text, Barcode, Hole };

struct TabRow {
    Tab tab;
    std::string_view caption;     // the tab's caption
    std::string_view section;     // its section in a profile
    std::string_view listHeading; // its heading in the list of modified parameters
};

// The T of the barcode section and the capital G of the text heading are part of the names
// that profiles and users know.
inline constexpr std::array kTabs = std::to_array<TabRow>({
    {Tab::Setup, TESSARO_TEXT("Tabs", "Setup and hardware control"), "Setup and hardware control",
     TESSARO_TEXT("Tabs", "Setup and hardware control")},
    {Tab::Text, TESSARO_TEXT("Tabs", "Text and general commands"), "Text and general commands",
     TESSARO_TEXT("Tabs", "Text and General commands")},
    {Tab::Barcode, TESSARO_TEXT("Tabs", "Barcode commands"), "TBarcode commands",
     TESSARO_TEXT("Tabs", "Barcode commands")},
    {Tab::Hole, TESSARO_TEXT("Tabs", "Hole/Black mark detection commands"),
     "Hole and black mark detection commands",
     TESSARO_TEXT("Tabs", "Hole and black mark detection commands")},
});
inline constexpr std::size_t kTabCount = kTabs.size();

constexpr const TabRow& tabRow(Tab tab) {
    return kTabs[static_cast<std::size_t>(tab)];
}

struct ParameterRow {
    Param param;
    char prefix;                 // ESC or GS
    char letter;                 // the command letter
    int argumentBytes;           // bytes after the letter, high byte first when two
    std::string_view statusText; // shown while the command is sent
    Tab tab;
    int profilePlace;          // its place among the parameters of a profile, from 1
    std::string_view listLine; // its line in the list of modified parameters
    int listPlace;             // its place in that list, from 1

    std::string code() const { return std::string{prefix, letter}; }
};

inline constexpr std::array kParameters = std::to_array<ParameterRow>({
    {Param::Autosleep, ESC, 'A', 1, TESSARO_TEXT("Commands", "Setting autosleep (ESC A n)"),
     Tab::Setup, 5, TESSARO_TEXT("Commands", "   ESC A n : Set the autosleep time"), 5},
    {Param::PFSspeed, GS, 's', 2, TESSARO_TEXT("Commands", "Setting max speed (GS s n1 n2)"),
     Tab::Setup, 4, TESSARO_TEXT("Commands", "   GS s n1 n2 : Set maximum print out speed"), 2},
    {Param::PLlength, GS, 'P', 2,
     TESSARO_TEXT("Commands", "Setting paper loading length (GS P n1 n2)"), Tab::Setup, 10,
     TESSARO_TEXT("Commands", "   GS P n1 n2 : Set paper loading length"), 9},
    {Param::PLspeed, GS, 'M', 2,
     TESSARO_TEXT("Commands", "Setting paper loading speed (GS M n1 n2)"), Tab::Setup, 9,
     TESSARO_TEXT("Commands", "   GS M n1 n2 : Set paper loading speed"), 10},
    {Param::PLpause, GS, 'p', 1, TESSARO_TEXT("Commands", "Setting paper loading pause (GS p n)"),
     Tab::Setup, 8, TESSARO_TEXT("Commands", "   GS p n : Set paper loading pause"), 8},
    {Param::TOFpos, GS, 'T', 2, TESSARO_TEXT("Commands", "Setting TOF position (GS T n1 n2)"),
     Tab::Hole, 24, TESSARO_TEXT("Commands", "   GS T n1 n2 : Set TOF position"), 24},
    {Param::MARKCUT, GS, 'X', 2,
     TESSARO_TEXT("Commands", "Setting mark to cut position (GS X n1 n2)"), Tab::Hole, 25,
     TESSARO_TEXT("Commands", "   GS X n1 n2 : Set mark to cut position"), 25},
    {Param::HEADCUT, GS, 'x', 2,
     TESSARO_TEXT("Commands", "Setting Cut line to head dot line length (GS x n1 n2)"), Tab::Hole,
     26, TESSARO_TEXT("Commands", "   GS x n1 n2 : Set cut line to head length"), 26},
    {Param::OPTOHEAD, GS, 'Y', 2,
     TESSARO_TEXT("Commands", "Setting opto to head dot line length (GS Y n1 n2)"), Tab::Hole, 27,
     TESSARO_TEXT("Commands", "   GS Y n1 n2 : Set opto to head length"), 27},
    {Param::MarkLength, GS, 'L', 1, TESSARO_TEXT("Commands", "Setting mark length (GS L n1)"),
     Tab::Hole, 28, TESSARO_TEXT("Commands", "   GS L n : Set mark length"), 28},
    {Param::Accel, GS, 'a', 1, TESSARO_TEXT("Commands", "Setting Acceleration (GS a n)"),
     Tab::Setup, 3, TESSARO_TEXT("Commands", "   GS a n : Set acceleration smoothing"), 3},
    {Param::Prelinespacing, ESC, '2', 1,
     TESSARO_TEXT("Commands", "Setting line pre-spacing (ESC 2 n)"), Tab::Text, 11,
     TESSARO_TEXT("Commands", "   ESC 2 n : Set line pre-spacing"), 13},
    {Param::Linespacing, ESC, '3', 1, TESSARO_TEXT("Commands", "Setting line spacing (ESC 3 n)"),
     Tab::Text, 12, TESSARO_TEXT("Commands", "   ESC 3 n : Set line spacing"), 14},
    {Param::Charspacing, ESC, ' ', 1,
     TESSARO_TEXT("Commands", "Setting character spacing (ESC SP n)"), Tab::Text, 13,
     TESSARO_TEXT("Commands", "   ESC SP n : Set character spacing"), 15},
    {Param::Maxcolumn, ESC, 'c', 1,
     TESSARO_TEXT("Commands", "Setting maximun number of columns (ESC c n)"), Tab::Text, 14,
     TESSARO_TEXT("Commands", "   ESC c n : Set max number of columns"), 16},
    {Param::Maxcurrent, GS, '/', 1, TESSARO_TEXT("Commands", "Setting dynamic division (GS / n)"),
     Tab::Setup, 1, TESSARO_TEXT("Commands", "   GS / n : Set print speed / max current"), 1},
    // The text says GA; the bytes are GS D n.
    {Param::Intensity, GS, 'D', 1, TESSARO_TEXT("Commands", "Setting print intensity (GA D n)"),
     Tab::Setup, 2, TESSARO_TEXT("Commands", "   GS D n : Set print intensity"), 4},
    {Param::Busyhold, GS, 'b', 1, TESSARO_TEXT("Commands", "Setting busy hold time (GS b n)"),
     Tab::Setup, 7, TESSARO_TEXT("Commands", "   GS b n : Set parallel port busy hold time"), 7},
    {Param::Barcodeheight, GS, 'h', 1, TESSARO_TEXT("Commands", "Setting Barcode height (GS h n)"),
     Tab::Barcode, 22, TESSARO_TEXT("Commands", "   GS h n : Barcode height"), 20},
    {Param::Barmagn, GS, 'w', 1, TESSARO_TEXT("Commands", "Setting barcode magnification (GS w n)"),
     Tab::Barcode, 23, TESSARO_TEXT("Commands", "   GS w n : Barcode magnification"), 21},
    {Param::Barcodepos, GS, 'H', 1,
     TESSARO_TEXT("Commands", "Setting text position in barcode (GS H n)"), Tab::Barcode, 21,
     TESSARO_TEXT("Commands", "   GS H n : Text position in barcode"), 22},
    {Param::Barcodeori, GS, 'R', 1,
     TESSARO_TEXT("Commands", "Setting barcode orientation (GS R n)"), Tab::Barcode, 20,
     TESSARO_TEXT("Commands", "   GS R n : Set/reset rotated barcode"), 23},
    {Param::Charset, ESC, 'R', 1,
     TESSARO_TEXT("Commands", "Setting internationnal charset (ESC R n)"), Tab::Text, 16,
     TESSARO_TEXT("Commands", "   ESC R n : Select international char set"), 12},
    {Param::Internalfont, ESC, '%', 1, TESSARO_TEXT("Commands", "Setting internal font (ESC % n)"),
     Tab::Text, 18, TESSARO_TEXT("Commands", "   ESC % n : Select internal font"), 11},
    {Param::Justification, ESC, 'C', 1,
     TESSARO_TEXT("Commands", "Setting text justification (ESC C n)"), Tab::Text, 17,
     TESSARO_TEXT("Commands", "   ESC C n : Set text justification"), 17},
    {Param::Rotated, ESC, '{', 1, TESSARO_TEXT("Commands", "Setting rotated characters (ESC { n)"),
     Tab::Text, 19, TESSARO_TEXT("Commands", "   ESC { n : Set/reset rotated characters"), 19},
    {Param::PrintMode, ESC, '!', 1, TESSARO_TEXT("Commands", "Setting print mode (ESC ! n)"),
     Tab::Text, 15, TESSARO_TEXT("Commands", "   ESC ! n : Set print mode"), 18},
    {Param::Serial, GS, 'B', 1, TESSARO_TEXT("Commands", "Setting serial com (GS B n)"), Tab::Setup,
     6, TESSARO_TEXT("Commands", "   GS B n : Serial communication settings"), 6},
});
inline constexpr std::size_t kParamCount = kParameters.size();

constexpr const ParameterRow& parameter(Param p) {
    return kParameters[index(p)];
}

// The parameters in the order of one of the places above.
template <int ParameterRow::*Place> constexpr std::array<Param, kParamCount> orderedBy() {
    std::array<Param, kParamCount> order{};
    for (const ParameterRow& row : kParameters) {
        order[static_cast<std::size_t>(row.*Place - 1)] = row.param;
    }
    return order;
}
inline constexpr auto kProfileOrder = orderedBy<&ParameterRow::profilePlace>();
inline constexpr auto kListOrder = orderedBy<&ParameterRow::listPlace>();

namespace table_checks {

// Row i is parameter i, the last parameter has the last row, every place is taken once, and
// the parameters of a page come together in the profile and in the list, pages in order.
constexpr bool rowsInParamOrder() {
    for (std::size_t i = 0; i < kParamCount; ++i) {
        if (index(kParameters[i].param) != i) {
            return false;
        }
    }
    return index(Param::Serial) + 1 == kParamCount;
}

template <int ParameterRow::*Place> constexpr bool placesArePagesInOrder() {
    std::array<bool, kParamCount> taken{};
    for (const ParameterRow& row : kParameters) {
        const int place = row.*Place;
        if (place < 1 || place > static_cast<int>(kParamCount) || taken[place - 1]) {
            return false;
        }
        taken[place - 1] = true;
    }
    const auto order = orderedBy<Place>();
    return std::is_sorted(order.begin(), order.end(),
                          [](Param a, Param b) { return parameter(a).tab < parameter(b).tab; });
}

constexpr bool tabsInOrder() {
    for (std::size_t i = 0; i < kTabCount; ++i) {
        if (static_cast<std::size_t>(kTabs[i].tab) != i) {
            return false;
        }
    }
    return true;
}

static_assert(rowsInParamOrder(), "one row per parameter, in sending order");
static_assert(placesArePagesInOrder<&ParameterRow::profilePlace>(), "profile places");
static_assert(placesArePagesInOrder<&ParameterRow::listPlace>(), "list places");
static_assert(tabsInOrder(), "one row per page, in page order");

} // namespace table_checks

} // namespace tessaro::workspace
