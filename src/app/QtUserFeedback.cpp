// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtUserFeedback.h"

#include "app/DisplayText.h"
#include "app/Form1.h"
#include "app/MessageWording.h"
#include "app/StatusPanelBar.h"

#include <QGuiApplication>

namespace tessaro::app {
namespace {

QMessageBox::Icon boxIcon(link::MessageIcon icon) {
    switch (icon) {
    case link::MessageIcon::Information:
        return QMessageBox::Information;
    case link::MessageIcon::Critical:
        return QMessageBox::Critical;
    case link::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case link::MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtUserFeedback::QtUserFeedback(Form1& window) : window_(window) {}

QtUserFeedback::~QtUserFeedback() {
    busy_ = false;
    showPointer(); // never leave the pointer busy behind
}

QMessageBox::StandardButton QtUserFeedback::run(QMessageBox& box) {
    ++boxesOpen_;
    showPointer();
    const auto answer =
        runner_ ? runner_(box) : static_cast<QMessageBox::StandardButton>(box.exec());
    --boxesOpen_;
    showPointer();
    return answer;
}

void QtUserFeedback::sayTitled(link::MessageIcon icon, const message::Message& text,
                               const message::Message& title) {
    QMessageBox box(boxIcon(icon), worded(title), worded(text), QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    run(box);
}

void QtUserFeedback::show(link::MessageIcon icon, const QString& text) {
    QMessageBox box(boxIcon(icon), displayText(link::kProgramTitle),
                    displayText(text.toStdString()), QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    run(box);
}

bool QtUserFeedback::askWhether(const message::Message& question) {
    return askText(worded(question));
}

bool QtUserFeedback::askText(const QString& question) {
    QMessageBox box(QMessageBox::Question, displayText(link::kProgramTitle),
                    displayText(question.toStdString()), QMessageBox::Yes | QMessageBox::No,
                    &window_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return run(box) == QMessageBox::Yes;
}

void QtUserFeedback::showStatusPanels(const std::vector<message::Message>& panels) {
    QStringList texts;
    for (const message::Message& panel : panels) {
        texts << worded(panel);
    }
    window_.statusPanels()->setPanels(texts);
}

void QtUserFeedback::showPanelText(int panel, const message::Message& text) {
    window_.statusPanels()->setPanelText(panel, worded(text));
}

void QtUserFeedback::setBusy(bool busy) {
    busy_ = busy;
    showPointer();
}

void QtUserFeedback::showPointer() {
    const bool busy = busy_ && boxesOpen_ == 0;
    if (busy == pointerBusy_) {
        return;
    }
    pointerBusy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtUserFeedback::enablePrinterCommands(bool enabled) {
    window_.EnablePrinterCommands(enabled);
}

void QtUserFeedback::showDetectionResult(const message::Message& result) {
    detectionResult_ = worded(result);
    if (sink_) {
        sink_(detectionResult_);
    }
}

} // namespace tessaro::app
