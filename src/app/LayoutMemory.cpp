// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LayoutMemory.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace tessaro::app {

bool changesSizes(const QEvent& event) {
    return event.type() == QEvent::FontChange || event.type() == QEvent::StyleChange;
}

void forgetSizes(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        widget->updateGeometry();
    }
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        layout->invalidate();
    }
}

} // namespace tessaro::app
