// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TabButton.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTabBar>
#include <algorithm>

namespace tessaro::app {
namespace {

constexpr int kCaptionMargin = 4;

} // namespace

TabButton::TabButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCheckable(true);
    setAutoExclusive(false); // the owning widget keeps one tab selected
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // To assistive technology a tab is selected rather than checked.
    connect(this, &QAbstractButton::toggled, this, [this] {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    });
}

void TabButton::nextCheckState() {
    setChecked(true);
}

void TabButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        event->ignore(); // the tab rows handle it
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TabButton::setRowPosition(QStyleOptionTab::TabPosition position) {
    position_ = position;
    update();
}

QStyleOptionTab TabButton::option(const QString& text) const {
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.shape = QTabBar::RoundedNorth;
    opt.position = position_;
    opt.text = text;
    opt.documentMode = false;
    if (isChecked()) {
        opt.state |= QStyle::State_Selected;
    }
    if (isDown()) {
        opt.state |= QStyle::State_Sunken;
    }
    if (hasFocus()) {
        opt.state |= QStyle::State_HasFocus;
    }
    return opt;
}

QSize TabButton::sizeHint() const {
    const QStyleOptionTab opt = option(text());
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    const int pad = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    const int vpad = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    const QSize content(textSize.width() + pad, textSize.height() + vpad);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, content, this);
}

// Never narrower than its caption: a tab row grows rather than cut a caption short.
QSize TabButton::minimumSizeHint() const {
    return {fontMetrics().size(Qt::TextShowMnemonic, text()).width() + 2 * kCaptionMargin,
            sizeHint().height()};
}

// The style draws the tab and its caption; the caption may use nearly the whole width, as
// the tabs here are wider than the style's own padding assumes.
void TabButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTab opt = option(QString());
    style()->drawControl(QStyle::CE_TabBarTabShape, &opt, &painter, this);
    const int pad = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this) / 2;
    const int widen = std::max(0, pad - kCaptionMargin);
    opt.text = fontMetrics().elidedText(text(), Qt::ElideRight, width() - 2 * kCaptionMargin);
    opt.rect.adjust(-widen, 0, widen, 0);
    style()->drawControl(QStyle::CE_TabBarTabLabel, &opt, &painter, this);
}

} // namespace tessaro::app
