// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How often a text appears in what a program printed.

#include <cstddef>
#include <string>

namespace tessaro::test {

inline std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

} // namespace tessaro::test
