// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/ValueText.h"

#include <cctype>
#include <charconv>

namespace tessaro::workspace {
namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<int> parseWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> parseTruth(std::string_view text) {
    if (equalsIgnoringCase(text, "True")) {
        return true;
    }
    if (equalsIgnoringCase(text, "False")) {
        return false;
    }
    return std::nullopt;
}

} // namespace tessaro::workspace
