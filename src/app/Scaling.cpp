// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Scaling.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tessaro::app {
namespace {

constexpr double kDesignDpi = 96.0;
constexpr double kLargestFactor = 4.0;

} // namespace

Scaling::Scaling(const QWidget* widget) {
    const int dpi = widget != nullptr ? widget->logicalDpiY() : 0;
    if (dpi > 0) {
        factor_ = std::clamp(dpi / kDesignDpi, 1.0, kLargestFactor);
    }
}

int Scaling::px(int designPixels) const {
    return static_cast<int>(std::lround(designPixels * factor_));
}

} // namespace tessaro::app
