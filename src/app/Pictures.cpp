// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Pictures.h"

#include "app/PrinterDrawing.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace tessaro::app {

QPixmap Pictures::canvas(const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::black);
    return pixmap;
}

void Pictures::paintBackground(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(24, 58, 110));
    sky.setColorAt(1, QColor(8, 18, 40));
    painter.fillRect(area, sky);
    QRadialGradient glow(area.center(), area.width() * 0.6);
    glow.setColorAt(0, QColor(90, 150, 230, 90));
    glow.setColorAt(1, QColor(90, 150, 230, 0));
    painter.fillRect(area, glow);
}

void Pictures::paintTitle(QPainter& painter, const QRectF& area, double pixelSize) {
    QFont font(QStringLiteral("Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(8, static_cast<int>(pixelSize)));
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(area.translated(2, 2), Qt::AlignCenter, QStringLiteral("Tessaro"));
    painter.setPen(QColor(255, 236, 170));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Tessaro"));
}

QPixmap Pictures::splash(const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap = canvas(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    paintBackground(painter, area);
    const double h = area.height();
    PrinterDrawing::draw(painter, QRectF(area.width() * 0.04, h * 0.28, h * 0.68, h * 0.68), 4);
    paintTitle(painter, QRectF(area.width() * 0.36, h * 0.06, area.width() * 0.6, h * 0.3),
               h * 0.12);
    QFont small(QStringLiteral("Sans Serif"));
    small.setPixelSize(qMax(9, static_cast<int>(h * 0.05)));
    painter.setFont(small);
    painter.setPen(QColor(200, 215, 240));
    painter.drawText(QRectF(area.width() * 0.36, h * 0.36, area.width() * 0.6, h * 0.2),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Power-on defaults\nfor thermal printers"));
    painter.setPen(QPen(QColor(255, 236, 170, 160), 1.5));
    painter.drawLine(QPointF(area.width() * 0.42, h * 0.33), QPointF(area.width() * 0.9, h * 0.33));
    return pixmap;
}

QPixmap Pictures::about(const QSize& size, qreal devicePixelRatio) {
    QPixmap pixmap = canvas(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    paintBackground(painter, area);
    const double h = area.height();
    PrinterDrawing::draw(painter, QRectF(h * 0.08, h * 0.08, h * 0.88, h * 0.88), 3);
    paintTitle(painter, QRectF(h * 0.95, 0, area.width() - h, h), h * 0.2);
    return pixmap;
}

} // namespace tessaro::app
