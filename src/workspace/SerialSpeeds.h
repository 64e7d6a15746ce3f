// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial speeds a printer knows, in the order of the speed lists, with the code each
// chipset gives a speed in GS B n (a 5 V chipset has no 28800, a 3.3 V one no 38400 or
// 115200).

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessaro::workspace {

struct SpeedRow {
    std::string_view baud;
    int code5V;  // -1: refused by a 5 V chipset
    int code3V3; // -1: refused by a 3.3 V chipset
};

inline constexpr std::array kSerialSpeeds = std::to_array<SpeedRow>({
    {"1200", 0, 0},
    {"2400", 1, 1},
    {"4800", 2, 2},
    {"9600", 3, 3},
    {"19200", 4, 4},
    {"28800", -1, 5},
    {"38400", 5, -1},
    {"57600", 6, 6},
    {"115200", 7, -1},
});

// The speeds as the lists show them, slowest first.
inline constexpr auto kSpeedNames = [] {
    std::array<std::string_view, kSerialSpeeds.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kSerialSpeeds[i].baud;
    }
    return names;
}();

constexpr std::optional<std::size_t> speedIndex(std::string_view baud) {
    for (std::size_t i = 0; i < kSerialSpeeds.size(); ++i) {
        if (kSerialSpeeds[i].baud == baud) {
            return i;
        }
    }
    return std::nullopt;
}

// The code of a speed in the printer's serial settings byte: the 5 V code, and for 28800,
// which has none, its 3.3 V code (the same as 38400's). -1 for a speed the printer lacks.
constexpr int settingsSpeedCode(std::string_view baud) {
    const auto i = speedIndex(baud);
    if (!i) {
        return -1;
    }
    const SpeedRow& row = kSerialSpeeds[*i];
    return row.code5V >= 0 ? row.code5V : row.code3V3;
}

} // namespace tessaro::workspace
