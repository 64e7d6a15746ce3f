#pragma once
// Where each parameter lives in a .pcf profile: its section and its key or keys, in the order
// the keys are written and read.

#include "workspace/Catalogue.h"

#include <span>
#include <string_view>

namespace tessaro::workspace {

inline constexpr std::string_view kSetupSection = "Setup and hardware control";
inline constexpr std::string_view kTextSection = "Text and general commands";
inline constexpr std::string_view kBarcodeSection = "TBarcode commands"; // the T is part of it
inline constexpr std::string_view kHoleSection = "Hole and black mark detection commands";

// Saved beside SliderMarkLength so that a chosen mark length survives a round trip.
inline constexpr std::string_view kContinuousPaperKey = "ENContPaper";

struct ProfileRow {
    std::string_view section;
    std::span<const std::string_view> keys; // control keys, in writing order
    Param param;                            // the modified flag that decides the writing
};

std::span<const ProfileRow> profileRows();

// The configuration name a file title gives: the title without a final ".pcf" (any case),
// else the whole title.
std::string_view configNameFromFileTitle(std::string_view fileTitle);

} // namespace tessaro::workspace
