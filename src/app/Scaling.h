// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows are designed in pixels at 96 dots per inch. Qt already maps logical pixels
// to the device (devicePixelRatio); what is left is a logical DPI above 96, which means
// larger fonts, so the fixed geometry grows with it.

#include <QRect>
#include <QSize>

class QWidget;

namespace tessaro::app {

class Scaling {
  public:
    explicit Scaling(const QWidget* widget);

    double factor() const { return factor_; }
    int px(int designPixels) const;
    QSize size(int width, int height) const { return {px(width), px(height)}; }
    QRect rect(int x, int y, int width, int height) const {
        return {px(x), px(y), px(width), px(height)};
    }

  private:
    double factor_ = 1.0;
};

} // namespace tessaro::app
