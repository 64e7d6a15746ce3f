// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tab of a TwoRowTabWidget: a checkable button drawn by the style as a tab. A click
// selects it; only choosing another tab clears it. Left and Right go to the owning widget,
// which moves to the tab beside.

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
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;

  private:
    QStyleOptionTab option(const QString& text) const;

    QStyleOptionTab::TabPosition position_ = QStyleOptionTab::OnlyOneTab;
};

} // namespace tessaro::app
