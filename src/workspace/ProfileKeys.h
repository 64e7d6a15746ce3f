// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each parameter lives in a .pcf profile: its section and its key or keys, in the order
// the keys are written and read. Derived from the parameter table and the control catalogue.

#include "workspace/Catalogue.h"

#include <span>
#include <string_view>
#include <vector>

namespace tessaro::workspace {

// Saved beside SliderMarkLength so that a chosen mark length survives a round trip.
inline constexpr std::string_view kContinuousPaperKey = "ENContPaper";

struct ProfileRow {
    std::string_view section;
    std::vector<std::string_view> keys; // control keys, in writing order
    Param param;                        // the modified flag that decides the writing
};

// In the order of the file.
std::span<const ProfileRow> profileRows();

// The configuration name a file title gives: the title without a final ".pcf" (any case),
// else the whole title.
std::string_view configNameFromFileTitle(std::string_view fileTitle);

} // namespace tessaro::workspace
