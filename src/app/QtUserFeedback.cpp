// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtUserFeedback.h"

#include "app/CoreTexts.h"
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
    setBusy(false); // never leave the pointer busy behind
}

QMessageBox::StandardButton QtUserFeedback::run(QMessageBox& box) {
    if (runner_) {
        return runner_(box);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtUserFeedback::message(link::MessageIcon icon, std::string_view text,
                             std::string_view title) {
    show(icon, coreText(text), displayText(title));
}

void QtUserFeedback::say(link::MessageIcon icon, const message::Message& said) {
    show(icon, worded(said), displayText(link::kProgramTitle));
}

void QtUserFeedback::show(link::MessageIcon icon, const QString& text, const QString& title) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    run(box);
}

bool QtUserFeedback::ask(std::string_view text) {
    QMessageBox box(QMessageBox::Question, displayText(link::kProgramTitle), coreText(text),
                    QMessageBox::Yes | QMessageBox::No, &window_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return run(box) == QMessageBox::Yes;
}

void QtUserFeedback::setStatusPanels(const std::vector<std::string>& panels) {
    QStringList texts;
    for (const std::string& panel : panels) {
        texts << coreText(panel);
    }
    window_.statusPanels()->setPanels(texts);
}

void QtUserFeedback::showStatusPanels(const std::vector<message::Message>& panels) {
    QStringList texts;
    for (const message::Message& panel : panels) {
        texts << worded(panel);
    }
    window_.statusPanels()->setPanels(texts);
}

void QtUserFeedback::setPanelText(int panel, std::string_view text) {
    window_.statusPanels()->setPanelText(panel, coreText(text));
}

void QtUserFeedback::setBusy(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtUserFeedback::enablePrinterCommands(bool enabled) {
    window_.EnablePrinterCommands(enabled);
}

void QtUserFeedback::setDetectionResult(std::string_view text) {
    showResultLine(coreText(text));
}

void QtUserFeedback::showDetectionResult(const message::Message& result) {
    showResultLine(worded(result));
}

void QtUserFeedback::showResultLine(const QString& text) {
    detectionResult_ = text;
    if (sink_) {
        sink_(detectionResult_);
    }
}

} // namespace tessaro::app
