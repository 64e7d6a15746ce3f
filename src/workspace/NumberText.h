// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tessaro::workspace {

// A number as captions write it: one leading blank for zero and positive values, a minus
// sign for negative ones, the shortest decimal form and no zero before the point
// (" 5", " .75", "-.5", " 0"). The value is numerator / denominator, where the denominator
// divides 1000 (captions only ever divide by 1, 4 or 8), so the text is exact.
std::string numberText(long long numerator, int denominator = 1);

} // namespace tessaro::workspace
