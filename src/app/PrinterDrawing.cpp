// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrinterDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace tessaro::app {
namespace {

// Drawn on a 100 x 100 grid, then scaled to the box.
constexpr double kGrid = 100.0;

} // namespace

void PrinterDrawing::draw(QPainter& painter, const QRectF& box, int receiptLines) {
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);
    drawPaper(painter, receiptLines);
    drawBody(painter);
    painter.restore();
}

void PrinterDrawing::drawPaper(QPainter& painter, int receiptLines) {
    QPainterPath paper;
    paper.moveTo(26, 44);
    paper.lineTo(26, 8);
    // A torn top edge.
    for (int i = 0; i < 8; ++i) {
        paper.lineTo(26 + 6.0 * i + 3, i % 2 == 0 ? 4 : 8);
    }
    paper.lineTo(74, 8);
    paper.lineTo(74, 44);
    paper.closeSubpath();
    painter.setPen(QPen(QColor(120, 120, 120), 1.2));
    painter.setBrush(QColor(252, 252, 246));
    painter.drawPath(paper);
    painter.setPen(QPen(QColor(60, 60, 70), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < receiptLines; ++line) {
        const double y = 14 + line * 7.0;
        const double end = line % 2 == 0 ? 66 : 56;
        painter.drawLine(QPointF(32, y), QPointF(end, y));
    }
}

void PrinterDrawing::drawBody(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(QRectF(10, 86, 80, 10)); // shadow

    QLinearGradient shade(0, 34, 0, 90);
    shade.setColorAt(0, QColor(104, 114, 130));
    shade.setColorAt(1, QColor(40, 44, 52));
    painter.setPen(QPen(QColor(25, 28, 34), 1.5));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(6, 34, 88, 54), 10, 10);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 33, 40));
    painter.drawRoundedRect(QRectF(20, 38, 60, 6), 3, 3); // the paper slot
    painter.setBrush(QColor(252, 252, 246));
    painter.drawRect(QRectF(26, 38, 48, 3));

    painter.setBrush(QColor(72, 200, 96));
    painter.drawEllipse(QPointF(80, 74), 4, 4); // power light
    painter.setBrush(QColor(200, 204, 212));
    painter.drawRoundedRect(QRectF(14, 70, 18, 8), 3, 3); // feed button
}

} // namespace tessaro::app
