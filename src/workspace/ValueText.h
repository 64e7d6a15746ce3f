// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value texts of profile keys: whole numbers and option states.

#include <optional>
#include <string_view>

namespace tessaro::workspace {

// A whole decimal number with an optional sign ("12", "-4095", "+7"); nothing else.
std::optional<int> parseWholeNumber(std::string_view text);

// "True" or "False" in any letter case.
std::optional<bool> parseTruth(std::string_view text);

inline std::string_view truthText(bool value) {
    return value ? "True" : "False";
}

} // namespace tessaro::workspace
