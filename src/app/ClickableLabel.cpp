// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClickableLabel.h"

#include <QMouseEvent>

namespace tessaro::app {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace tessaro::app
