// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClientArea.h"

#include "app/Icons.h"
#include "app/ParameterPages.h"
#include "app/PictureButton.h"
#include "app/Scaling.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <vector>

namespace tessaro::app {

ClientArea::ClientArea(workspace::Workspace& model, QWidget* parent)
    : QWidget(parent), tabs_(new TwoRowTabWidget(this)) {
    setObjectName(QStringLiteral("clientArea"));
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(Scaling(this).rect(0, 0, 462, 361));
    pages_ = new ParameterPages(model, *tabs_);
    addModifiedList();
    addButtons();
    orderForKeyboard();
}

void ClientArea::addModifiedList() {
    const Scaling scale(this);
    auto* heading = new QLabel(QStringLiteral("List of modified parameters:"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(scale.rect(472, 0, 233, 17));

    statusList_ = new QPlainTextEdit(this);
    statusList_->setObjectName(QStringLiteral("StatusList"));
    statusList_->setReadOnly(true);
    // A profile dropped on the list goes on to the window, which loads it.
    statusList_->setAcceptDrops(false);
    statusList_->viewport()->setAcceptDrops(false);
    statusList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    statusList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusList_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    statusList_->setGeometry(scale.rect(472, 16, 233, 217));
    heading->setBuddy(statusList_); // names the list for a screen reader
}

void ClientArea::addButtons() {
    const Scaling scale(this);
    setToPrinter_ = new PictureButton(
        Icons::sendToPrinter(), QStringLiteral("Set modified parameters as printer default"), this);
    setToPrinter_->setObjectName(QStringLiteral("SetToPrinterButton"));
    setToPrinter_->setGeometry(scale.rect(472, 240, 233, 57));

    recoverFactory_ =
        new PictureButton(Icons::factory(), QStringLiteral("Recover Factory Settings"), this);
    recoverFactory_->setObjectName(QStringLiteral("RecoverfactoryButton"));
    recoverFactory_->setGeometry(scale.rect(472, 304, 233, 57));

    // Both buttons alike: pictures beside the captions if either caption needs the room.
    const bool above =
        setToPrinter_->captionFitsBelowPicture() && recoverFactory_->captionFitsBelowPicture();
    for (PictureButton* button : {setToPrinter_, recoverFactory_}) {
        button->setArrangement(above ? PictureButton::Arrangement::Above
                                     : PictureButton::Arrangement::Beside);
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

void ClientArea::showModifiedList(const QString& text) {
    if (statusList_->toPlainText() != text) {
        statusList_->setPlainText(text);
    }
}

} // namespace tessaro::app
