// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureButton.h"

#include "app/Icons.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace tessaro::app {
namespace {

constexpr int kMargin = 3;
constexpr int kGap = 1;
constexpr int kSideGap = 8;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

PictureButton::PictureButton(const QIcon& icon, const QString& caption, QWidget* parent)
    : QPushButton(icon, caption, parent) {
    setIconSize(QSize(Icons::kButtonIconSize, Icons::kButtonIconSize));
}

void PictureButton::setArrangement(Arrangement arrangement) {
    arrangement_ = arrangement;
    update();
}

QSize PictureButton::sizeHint() const {
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return {std::max(caption.width(), iconSize().width()) + 4 * kMargin,
            iconSize().height() + kGap + caption.height() + 2 * kMargin};
}

bool PictureButton::captionFitsBelowPicture() const {
    const QRect room = captionRect(Arrangement::Above);
    const QRect needed = fontMetrics().boundingRect(room, kTextFlags, text());
    return needed.height() <= room.height() && needed.width() <= room.width();
}

QRect PictureButton::captionRect(Arrangement arrangement) const {
    if (arrangement == Arrangement::Above) {
        const int top = kMargin + iconSize().height() + kGap;
        return {kMargin, top, width() - 2 * kMargin, height() - top - kMargin};
    }
    const int left = kMargin + kSideGap + iconSize().width() + kSideGap;
    return {left, kMargin, width() - left - kMargin - kSideGap, height() - 2 * kMargin};
}

QPoint PictureButton::picturePosition() const {
    if (arrangement_ == Arrangement::Above) {
        return {(width() - iconSize().width()) / 2, kMargin};
    }
    return {kMargin + kSideGap, (height() - iconSize().height()) / 2};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    painter.drawControl(QStyle::CE_PushButtonBevel, opt);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawPixmap(picturePosition() + shift,
                       icon().pixmap(iconSize(), devicePixelRatio(), mode));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(arrangement_).translated(shift), kTextFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tessaro::app
