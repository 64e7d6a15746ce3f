// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FittedWidgets.h"

#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace tessaro::app {
namespace {

// Any room to measure the style's decoration in, large enough for any text.
constexpr QRect kProbe(0, 0, 10000, 100);

// The widest digit of the font, so a caption with other numbers is never wider than this.
QChar widestDigit(const QFontMetrics& metrics) {
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest)) {
            widest = QChar(digit);
        }
    }
    return widest;
}

} // namespace

FittedGroupBox::FittedGroupBox(const QString& title, QStringList otherCaptions, QWidget* parent)
    : QGroupBox(title, parent), otherCaptions_(std::move(otherCaptions)) {}

// The room of the caption where the style places it (the style may round its width down a
// pixel), with as much space after it as before and a blank more, so the captions of two
// frames side by side do not run together.
int FittedGroupBox::captionWidth(const QString& caption) const {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect = kProbe;
    option.text = caption;
    const QRect label =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    return std::max(label.width(), fontMetrics().horizontalAdvance(caption)) + 2 * label.left() +
           fontMetrics().horizontalAdvance(u' ');
}

QSize FittedGroupBox::sizeHint() const {
    return QGroupBox::sizeHint().expandedTo(QGroupBox::minimumSizeHint());
}

QSize FittedGroupBox::minimumSizeHint() const {
    int width = std::max(QWidget::minimumSizeHint().width(), captionWidth(title()));
    const QChar digit = widestDigit(fontMetrics());
    for (QString caption : otherCaptions_) {
        for (QChar& c : caption) {
            c = c.isDigit() ? digit : c;
        }
        width = std::max(width, captionWidth(caption));
    }
    return {width, QGroupBox::minimumSizeHint().height()};
}

QSize FittedComboBox::minimumSizeHint() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = kProbe;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    int longest = 0;
    for (int i = 0; i < count(); ++i) {
        longest = std::max(longest, fontMetrics().size(Qt::TextSingleLine, itemText(i)).width());
    }
    // The style draws the entry a pixel inside the field on either side, clipped to it.
    // Qt's own least height is not told of a change of font; its size hint is.
    return {longest + 2 + kProbe.width() - field.width(), sizeHint().height()};
}

FittedRadioButton::FittedRadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    QSizePolicy policy = sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Maximum);
    setSizePolicy(policy);
}

QSize FittedRadioButton::minimumSizeHint() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    return {sizeHint().width(), std::max(indicator, fontMetrics().height())};
}

} // namespace tessaro::app
