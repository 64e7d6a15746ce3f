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
constexpr int kWrapFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int kTextFlags = Qt::AlignCenter | kWrapFlags;

} // namespace

PictureButton::PictureButton(const QIcon& icon, const QString& caption, QWidget* parent)
    : QPushButton(icon, caption, parent) {
    setIconSize(QSize(Icons::kButtonIconSize, Icons::kButtonIconSize));
    // It takes the room its layout gives, down to what its caption needs.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
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

// The narrowest button whose caption stands beside the picture on two lines at most, and
// the height it then needs.
QSize PictureButton::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const auto captionAt = [&](int roomWidth) {
        return metrics.boundingRect(QRect(0, 0, roomWidth, 0), kWrapFlags, text());
    };
    const int oneLine = metrics.size(Qt::TextShowMnemonic, text()).width();
    const int twoLines = captionAt(std::max(1, oneLine)).height() + metrics.lineSpacing();
    const auto fits = [&](int roomWidth) {
        const QRect caption = captionAt(roomWidth);
        return caption.width() <= roomWidth && caption.height() <= twoLines;
    };
    int narrow = 0; // does not fit
    int wide = std::max(1, oneLine);
    while (wide - narrow > 1) {
        const int middle = narrow + (wide - narrow) / 2;
        (fits(middle) ? wide : narrow) = middle;
    }
    // At width 0 the caption's room falls short by what the picture and the margins take.
    const int besides = -captionRect(Arrangement::Beside, QSize(0, 0)).width();
    return {besides + wide, std::max(iconSize().height(), captionAt(wide).height()) + 2 * kMargin};
}

bool PictureButton::captionFits(Arrangement arrangement) const {
    const QRect room = captionRect(arrangement);
    const QRect needed = fontMetrics().boundingRect(room, kTextFlags, text());
    return needed.height() <= room.height() && needed.width() <= room.width();
}

QRect PictureButton::captionRect(Arrangement arrangement, QSize size) const {
    if (arrangement == Arrangement::Above) {
        const int top = kMargin + iconSize().height() + kGap;
        return {kMargin, top, size.width() - 2 * kMargin, size.height() - top - kMargin};
    }
    const int left = kMargin + kSideGap + iconSize().width() + kSideGap;
    return {left, kMargin, size.width() - left - kMargin - kSideGap, size.height() - 2 * kMargin};
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
