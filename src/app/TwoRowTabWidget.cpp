// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TwoRowTabWidget.h"

#include "app/TabButton.h"

#include <QButtonGroup>
#include <QFrame>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro::app {

TwoRowTabWidget::TwoRowTabWidget(QWidget* parent)
    : QWidget(parent), header_(new QVBoxLayout), pane_(new QFrame(this)),
      stack_(new QStackedWidget(pane_)), group_(new QButtonGroup(this)) {
    header_->setSpacing(0);
    header_->setContentsMargins(0, 0, 0, 0);
    pane_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* paneLayout = new QVBoxLayout(pane_);
    paneLayout->setContentsMargins(1, 1, 1, 1);
    paneLayout->addWidget(stack_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header_);
    layout->addWidget(pane_, 1);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &TwoRowTabWidget::setCurrentIndex);
}

int TwoRowTabWidget::addPage(QWidget* page, const QString& caption) {
    const int index = count();
    if (index % kTabsPerRow == 0) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        header_->addLayout(row);
        rows_.push_back(row);
    }
    auto* button = new TabButton(caption, this);
    group_->addButton(button, index);
    tabs_.push_back(button);
    stack_->addWidget(page);
    if (index == 0) {
        button->setChecked(true);
    }
    arrangeRows();
    return index;
}

int TwoRowTabWidget::currentIndex() const {
    return stack_->currentIndex();
}

QWidget* TwoRowTabWidget::page(int index) const {
    return stack_->widget(index);
}

TabButton* TwoRowTabWidget::tab(int index) const {
    return index >= 0 && index < count() ? tabs_[static_cast<std::size_t>(index)] : nullptr;
}

void TwoRowTabWidget::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    tab(index)->setChecked(true);
    if (index == stack_->currentIndex()) {
        return;
    }
    stack_->setCurrentIndex(index);
    arrangeRows();
    emit currentChanged(index);
}

// The rows are laid out back to front; the row of the current tab comes last, on the page.
void TwoRowTabWidget::arrangeRows() {
    for (QHBoxLayout* row : rows_) {
        while (row->count() > 0) {
            delete row->takeAt(0); // the layout item only; the tab stays
        }
    }
    const int rows = static_cast<int>(rows_.size());
    const int currentRow = std::max(0, currentIndex()) / kTabsPerRow;
    for (int i = 0; i < count(); ++i) {
        const int row = i / kTabsPerRow;
        const int place = row == currentRow ? rows - 1 : (row < currentRow ? row : row - 1);
        rows_[static_cast<std::size_t>(place)]->addWidget(tab(i), tab(i)->sizeHint().width());
        const bool first = i % kTabsPerRow == 0;
        const bool last = i % kTabsPerRow == kTabsPerRow - 1 || i == count() - 1;
        tab(i)->setRowPosition(
            first ? (last ? QStyleOptionTab::OnlyOneTab : QStyleOptionTab::Beginning)
                  : QStyleOptionTab::End);
    }
}

} // namespace tessaro::app
