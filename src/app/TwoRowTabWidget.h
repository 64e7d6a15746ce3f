// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab widget whose tabs stand in rows of two. The row holding the selected tab moves next
// to the page, as on a card index. Within a row each tab is as wide as its caption asks.
// From the keyboard: Tab reaches every tab, Space shows its page, Left and Right go to the
// tab before or after; Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp change the tab
// from anywhere in the window.

#include <QWidget>
#include <vector>

class QFrame;
class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;

namespace tessaro::app {

class TabButton;

// The rows of tabs: to assistive technology the page tab list that holds the tabs.
class TabRows final : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

  signals:
    // Left or Right pressed on a tab: -1 or +1.
    void stepRequested(int step);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class TwoRowTabWidget final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kTabsPerRow = 2;

    explicit TwoRowTabWidget(QWidget* parent = nullptr);

    // Adds a page with its tab; returns the page's index.
    int addPage(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const;
    QWidget* page(int index) const;
    TabButton* tab(int index) const;
    TabRows* tabRows() const { return rowsWidget_; }

  public slots:
    void setCurrentIndex(int index);

  signals:
    void currentChanged(int index);

  private:
    void showPage(int index);
    // The next (+1) or previous (-1) tab, round the end.
    void step(int step, bool focusTab);
    void arrangeRows();

    TabRows* rowsWidget_;
    QVBoxLayout* header_;
    std::vector<QHBoxLayout*> rows_; // the tab rows, back to front
    QFrame* pane_;
    QStackedWidget* stack_;
    std::vector<TabButton*> tabs_; // owned by this widget through Qt
};

} // namespace tessaro::app
