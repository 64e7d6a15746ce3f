// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TwoRowTabWidget.h"

#include "app/Accessibility.h"
#include "app/TabButton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro::app {

void TabRows::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        emit stepRequested(event->key() == Qt::Key_Left ? -1 : 1);
        return;
    }
    QWidget::keyPressEvent(event);
}

TwoRowTabWidget::TwoRowTabWidget(QWidget* parent)
    : QWidget(parent), rowsWidget_(new TabRows(this)), header_(new QVBoxLayout(rowsWidget_)),
      pane_(new QFrame(this)), stack_(new QStackedWidget(pane_)) {
    installAccessibleInterfaces();
    rowsWidget_->setObjectName(QStringLiteral("tabRows"));
    header_->setSpacing(0);
    header_->setContentsMargins(0, 0, 0, 0);
    pane_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* paneLayout = new QVBoxLayout(pane_);
    paneLayout->setContentsMargins(1, 1, 1, 1);
    paneLayout->addWidget(stack_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(rowsWidget_);
    layout->addWidget(pane_, 1);
    connect(rowsWidget_, &TabRows::stepRequested, this, [this](int by) { step(by, true); });

    const auto shortcut = [this](std::initializer_list<QKeySequence> keys, int by) {
        auto* keysForStep = new QShortcut(this);
        keysForStep->setKeys(keys);
        keysForStep->setContext(Qt::WindowShortcut);
        connect(keysForStep, &QShortcut::activated, this, [this, by] { step(by, false); });
    };
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    shortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
              QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
             -1);
}

int TwoRowTabWidget::addPage(QWidget* page, const QString& caption) {
    const int index = count();
    if (index % kTabsPerRow == 0) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        header_->addLayout(row);
        rows_.push_back(row);
    }
    auto* button = new TabButton(caption, rowsWidget_);
    connect(button, &TabButton::toggled, this, [this, index](bool checked) {
        if (checked) {
            setCurrentIndex(index);
        }
    });
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

// However a tab comes to be checked (a click, Space, a screen reader's action, this call),
// its page shows and the other tabs are cleared.
void TwoRowTabWidget::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    for (int i = 0; i < count(); ++i) {
        tab(i)->setChecked(i == index);
    }
    showPage(index);
}

void TwoRowTabWidget::showPage(int index) {
    if (index == stack_->currentIndex()) {
        return;
    }
    stack_->setCurrentIndex(index);
    arrangeRows();
    emit currentChanged(index);
}

void TwoRowTabWidget::step(int by, bool focusTab) {
    if (count() == 0) {
        return;
    }
    // From the tab that has the focus when the arrows move it, else from the selected one.
    const auto focused = std::find(tabs_.begin(), tabs_.end(), focusWidget());
    const int from = focusTab && focused != tabs_.end() ? static_cast<int>(focused - tabs_.begin())
                                                        : std::max(0, currentIndex());
    const int next = (from + by + count()) % count();
    setCurrentIndex(next);
    if (focusTab) {
        tab(next)->setFocus(by < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
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
