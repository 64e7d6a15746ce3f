// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reports a click of the left mouse button.

#include <QLabel>

namespace tessaro::app {

class ClickableLabel final : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tessaro::app
