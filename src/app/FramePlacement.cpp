// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FramePlacement.h"

#include <array>

namespace tessaro::app {
namespace {

constexpr auto L = PageArea::Left;
constexpr auto R = PageArea::Right;
constexpr auto B = PageArea::Bottom;

constexpr std::array<FramePlacement, 28> kPlacements{{
    // Setup and hardware control
    {"Maxcurrent", L},
    {"Intensity", L},
    {"Accelsmoothing", L},
    {"PFSspeed", L},
    {"Autosleep", L},
    {"serial", R},
    {"Busyhold", R},
    {"PLpause", R},
    {"PLlength", R},
    {"PLspeed", R},
    // Text and general commands
    {"tcharset", L},
    {"tinternalfont", L},
    {"trotated", L},
    {"tPrintMode", L},
    {"tjustification", R},
    {"Maxcolumn", R},
    {"charspacing", R},
    {"linespacing", R},
    {"prelinespacing", R},
    // Barcode commands
    {"BarcodeHeight", L},
    {"barmagn", L},
    {"tBarcodepos", R},
    {"tBarcodeori", R},
    // Hole/Black mark detection commands
    {"MARKCUT", L},
    {"HEADCUT", L},
    {"OPTOHEAD", R},
    {"TOFpos", R},
    {"MarkLengthCap", B},
}};

} // namespace

std::optional<FramePlacement> placementOf(std::string_view frame) {
    for (const FramePlacement& placement : kPlacements) {
        if (placement.frame == frame) {
            return placement;
        }
    }
    return std::nullopt;
}

int placementOrder(std::string_view frame) {
    for (std::size_t i = 0; i < kPlacements.size(); ++i) {
        if (kPlacements[i].frame == frame) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kPlacements.size());
}

} // namespace tessaro::app
