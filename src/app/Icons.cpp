// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Icons.h"

#include "app/PrinterDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tessaro::app {
namespace {

constexpr int kWindowSizes[] = {16, 24, 32, 48, 64, 128, 256};

QIcon iconFrom(const QImage& image) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace

QImage Icons::render(int size, void (*paint)(QPainter&, double)) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, size);
    return image;
}

QIcon Icons::window() {
    QIcon icon;
    for (const int size : kWindowSizes) {
        icon.addPixmap(QPixmap::fromImage(windowImage(size)));
    }
    return icon;
}

QImage Icons::windowImage(int size) {
    return render(size, &Icons::paintWindow);
}

QIcon Icons::sendToPrinter() {
    return iconFrom(render(kButtonIconSize * 2, &Icons::paintSend));
}

QIcon Icons::factory() {
    return iconFrom(render(kButtonIconSize * 2, &Icons::paintFactory));
}

void Icons::paintWindow(QPainter& painter, double size) {
    PrinterDrawing::draw(painter, QRectF(0, 0, size, size), size >= 32 ? 3 : 1);
}

void Icons::paintSend(QPainter& painter, double size) {
    PrinterDrawing::draw(painter, QRectF(0, size * 0.12, size * 0.88, size * 0.88), 2);
    const double u = size / 32.0;
    QPainterPath arrow; // pointing down, towards the printer
    arrow.moveTo(23 * u, 1 * u);
    arrow.lineTo(29 * u, 1 * u);
    arrow.lineTo(29 * u, 9 * u);
    arrow.lineTo(32 * u, 9 * u);
    arrow.lineTo(26 * u, 16 * u);
    arrow.lineTo(20 * u, 9 * u);
    arrow.lineTo(23 * u, 9 * u);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 90, 30), 0.8 * u));
    painter.setBrush(QColor(60, 180, 75));
    painter.drawPath(arrow);
}

void Icons::paintFactory(QPainter& painter, double size) {
    const double u = size / 32.0;
    QPainterPath building; // saw-tooth roof and a chimney
    building.moveTo(2 * u, 30 * u);
    building.lineTo(2 * u, 16 * u);
    building.lineTo(8 * u, 11 * u);
    building.lineTo(8 * u, 16 * u);
    building.lineTo(14 * u, 11 * u);
    building.lineTo(14 * u, 16 * u);
    building.lineTo(20 * u, 11 * u);
    building.lineTo(20 * u, 4 * u);
    building.lineTo(24 * u, 4 * u);
    building.lineTo(24 * u, 30 * u);
    building.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 48), 0.8 * u));
    painter.setBrush(QColor(150, 110, 90));
    painter.drawPath(building);
    painter.setBrush(QColor(250, 220, 120));
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(QRectF((4 + 6 * i) * u, 20 * u, 3 * u, 3 * u)); // windows
    }
    // The turning-back arrow over the roof: back to how it left the factory.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(30, 90, 200), 2.4 * u, Qt::SolidLine, Qt::RoundCap));
    const QRectF arc(17 * u, 9 * u, 13 * u, 13 * u);
    painter.drawArc(arc, 200 * 16, -250 * 16);
    QPainterPath head;
    head.moveTo(16 * u, 13 * u);
    head.lineTo(22 * u, 14 * u);
    head.lineTo(17 * u, 19 * u);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 90, 200));
    painter.drawPath(head);
}

} // namespace tessaro::app
