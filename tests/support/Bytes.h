// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bytes written as numbers in a test: bytes({0x1B, 0x73}), bytes({IAC, DO, 44}).

#include <initializer_list>
#include <string>

namespace tessaro::test {

inline std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) {
        text += static_cast<char>(value);
    }
    return text;
}

} // namespace tessaro::test
