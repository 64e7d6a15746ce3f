// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the splash screen and the About window, drawn in code.

#include <QPixmap>

namespace tessaro::app {

class Pictures {
  public:
    // The splash picture: the product name over a printer and its receipt. The lower right
    // is kept dark for the white revision label.
    static QPixmap splash(const QSize& size, qreal devicePixelRatio);
    // The About picture: a printer printing a small receipt with the product name.
    static QPixmap about(const QSize& size, qreal devicePixelRatio);

  private:
    static QPixmap canvas(const QSize& size, qreal devicePixelRatio);
    static void paintBackground(QPainter& painter, const QRectF& area);
    static void paintTitle(QPainter& painter, const QRectF& area, double pixelSize);
};

} // namespace tessaro::app
