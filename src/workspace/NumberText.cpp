// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/NumberText.h"

#include <cassert>
#include <cstdlib>

namespace tessaro::workspace {

std::string numberText(long long numerator, int denominator) {
    assert(denominator > 0 && 1000 % denominator == 0);
    const long long thousandths = numerator * (1000 / denominator);
    const long long magnitude = std::llabs(thousandths);
    std::string text = thousandths < 0 ? "-" : " ";
    const long long whole = magnitude / 1000;
    std::string fraction = std::to_string(1000 + magnitude % 1000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (whole != 0 || fraction.empty()) {
        text += std::to_string(whole);
    }
    if (!fraction.empty()) {
        text += '.' + fraction;
    }
    return text;
}

} // namespace tessaro::workspace
