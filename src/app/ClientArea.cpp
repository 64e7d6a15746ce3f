// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClientArea.h"

#include "app/Icons.h"
#include "app/ParameterPages.h"
#include "app/PictureButton.h"
#include "app/Scaling.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <array>
#include <vector>

namespace tessaro::app {
namespace {

// The design at 96 DPI: the tabs, then 10 pixels on, a column of the heading, the list and
// the two buttons, 7 pixels apart. These are the least sizes of the rows and columns; they
// grow to what the widgets in them need at a larger font.
constexpr int kTabsWidth = 462;
constexpr int kColumnGap = 10;
constexpr int kColumnWidth = 233;
constexpr int kRightMargin = 6;
constexpr int kBottomMargin = 1;

enum Row { HeadingRow, ListRow, SendGap, SendRow, FactoryGap, FactoryRow, kRows };
constexpr std::array<int, kRows> kRowHeights{16, 217, 7, 57, 7, 57};

} // namespace

ClientArea::ClientArea(workspace::Workspace& model, QWidget* parent)
    : QWidget(parent), tabs_(new TwoRowTabWidget(this)), grid_(new QGridLayout(this)) {
    setObjectName(QStringLiteral("clientArea"));
    const Scaling scale(this);
    grid_->setContentsMargins(0, 0, scale.px(kRightMargin), scale.px(kBottomMargin));
    grid_->setHorizontalSpacing(scale.px(kColumnGap));
    grid_->setVerticalSpacing(0);
    grid_->setColumnMinimumWidth(0, scale.px(kTabsWidth));
    grid_->setColumnMinimumWidth(1, scale.px(kColumnWidth));
    for (std::size_t row = 0; row < kRowHeights.size(); ++row) {
        grid_->setRowMinimumHeight(static_cast<int>(row), scale.px(kRowHeights[row]));
    }
    grid_->setRowStretch(ListRow, 1); // the list takes what the tabs add in height
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    grid_->addWidget(tabs_, 0, 0, kRows, 1);
    pages_ = new ParameterPages(model, *tabs_);
    addModifiedList();
    addButtons();
    orderForKeyboard();
}

void ClientArea::addModifiedList() {
    auto* heading = new QLabel(tr("List of modified parameters:"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom); // right above the list
    grid_->addWidget(heading, HeadingRow, 1);

    statusList_ = new QPlainTextEdit(this);
    statusList_->setObjectName(QStringLiteral("StatusList"));
    statusList_->setReadOnly(true);
    // A profile dropped on the list goes on to the window, which loads it.
    statusList_->setAcceptDrops(false);
    statusList_->viewport()->setAcceptDrops(false);
    statusList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statusList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusList_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    grid_->addWidget(statusList_, ListRow, 1);
    heading->setBuddy(statusList_); // names the list for a screen reader
}

void ClientArea::addButtons() {
    setToPrinter_ = new PictureButton(Icons::sendToPrinter(),
                                      tr("Set modified parameters as printer default"), this);
    setToPrinter_->setObjectName(QStringLiteral("SetToPrinterButton"));
    grid_->addWidget(setToPrinter_, SendRow, 1);

    recoverFactory_ = new PictureButton(Icons::factory(), tr("Recover Factory Settings"), this);
    recoverFactory_->setObjectName(QStringLiteral("RecoverfactoryButton"));
    grid_->addWidget(recoverFactory_, FactoryRow, 1);

    // Their sizes come from the layout: they are arranged once they have them.
    setToPrinter_->installEventFilter(this);
    recoverFactory_->installEventFilter(this);
}

// Both buttons alike: pictures above the captions only when both captions fit there.
void ClientArea::arrangeButtons() {
    using Arrangement = PictureButton::Arrangement;
    const bool above = setToPrinter_->captionFits(Arrangement::Above) &&
                       recoverFactory_->captionFits(Arrangement::Above);
    for (PictureButton* button : {setToPrinter_, recoverFactory_}) {
        button->setArrangement(above ? Arrangement::Above : Arrangement::Beside);
    }
}

// The Tab key goes through the tabs, the controls of the page shown, the list of modified
// parameters and the two buttons. Hidden pages and disabled controls are passed over.
void ClientArea::orderForKeyboard() {
    std::vector<QWidget*> order;
    for (int t = 0; t < tabs_->count(); ++t) {
        order.push_back(tabs_->tab(t));
    }
    const std::vector<QWidget*>& controls = pages_->keyboardOrder();
    order.insert(order.end(), controls.begin(), controls.end());
    order.insert(order.end(), {statusList_, setToPrinter_, recoverFactory_});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    order.front()->setFocus(); // the window opens with the focus on the tabs
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize &&
        (watched == setToPrinter_ || watched == recoverFactory_)) {
        arrangeButtons();
    }
    return QWidget::eventFilter(watched, event);
}

void ClientArea::showModifiedList(const QString& text) {
    if (statusList_->toPlainText() != text) {
        statusList_->setPlainText(text);
    }
}

} // namespace tessaro::app
