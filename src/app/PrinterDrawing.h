// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing every picture of the program starts from: a small thermal printer with a
// receipt coming out of its slot.

class QPainter;
class QRectF;

namespace tessaro::app {

class PrinterDrawing {
  public:
    // Draws the printer filling box (kept square, centred); receiptLines printed lines on
    // the paper.
    static void draw(QPainter& painter, const QRectF& box, int receiptLines = 3);

  private:
    static void drawPaper(QPainter& painter, int receiptLines);
    static void drawBody(QPainter& painter);
};

} // namespace tessaro::app
