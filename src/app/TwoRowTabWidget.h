// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab widget whose tabs stand in rows of two. The row holding the selected tab moves next
// to the page, as on a card index. Within a row each tab is as wide as its caption asks.

#include <QWidget>
#include <vector>

class QButtonGroup;
class QFrame;
class QHBoxLayout;
class QStackedWidget;
class QVBoxLayout;

namespace tessaro::app {

class TabButton;

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

  public slots:
    void setCurrentIndex(int index);

  signals:
    void currentChanged(int index);

  private:
    void arrangeRows();

    QVBoxLayout* header_;
    std::vector<QHBoxLayout*> rows_; // the tab rows, back to front
    QFrame* pane_;
    QStackedWidget* stack_;
    QButtonGroup* group_;
    std::vector<TabButton*> tabs_; // owned by this widget through Qt
};

} // namespace tessaro::app
