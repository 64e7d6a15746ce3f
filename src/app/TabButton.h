// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tab of a TwoRowTabWidget: a checkable button drawn by the style as a tab.

#include <QAbstractButton>
#include <QStyleOptionTab>

namespace tessaro::app {

class TabButton final : public QAbstractButton {
    Q_OBJECT

  public:
    TabButton(const QString& caption, QWidget* parent);

    // Where the tab sits in its row, so the style draws its corners accordingly.
    void setRowPosition(QStyleOptionTab::TabPosition position);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStyleOptionTab option(const QString& text) const;

    QStyleOptionTab::TabPosition position_ = QStyleOptionTab::OnlyOneTab;
};

} // namespace tessaro::app
