// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answers the main window's file dialogs and message boxes from a script, and records what
// was asked, so no test ever waits on a modal window.

#include "app/FileDialogs.h"
#include "app/QtUserFeedback.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace tessaro::test {

struct ShownBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    bool busyPointer = false; // the pointer showed busy over it
};

struct DialogScript {
    std::deque<QString> files;                       // file dialog answers; "" cancels
    std::vector<QString> fileDialogs;                // "open <folder>" or "save <folder>"
    std::deque<QMessageBox::StandardButton> answers; // for questions (Yes/No boxes)
    std::vector<ShownBox> boxes;

    QString nextFile(const QString& kind, const QString& folder) {
        fileDialogs.push_back(kind + " " + folder);
        if (files.empty()) {
            return {};
        }
        QString file = files.front();
        files.pop_front();
        return file;
    }

    // The texts of the boxes shown, in order.
    std::vector<QString> texts() const {
        std::vector<QString> shown;
        for (const auto& box : boxes) {
            shown.push_back(box.text);
        }
        return shown;
    }

    app::QtUserFeedback::DialogRunner runner() {
        return [this](QMessageBox& box) {
            boxes.push_back({box.icon(), box.windowTitle(), box.text(), box.standardButtons(),
                             QGuiApplication::overrideCursor() != nullptr});
            if (box.standardButtons() == QMessageBox::Ok) {
                return QMessageBox::Ok;
            }
            if (answers.empty()) {
                ADD_FAILURE() << "unexpected question: " << box.text().toStdString();
                return QMessageBox::No;
            }
            const QMessageBox::StandardButton answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

class ScriptedFileDialogs final : public app::FileDialogs {
  public:
    explicit ScriptedFileDialogs(DialogScript& script) : script_(script) {}
    QString openFile(QWidget*, const QString& folder) override {
        return script_.nextFile(QStringLiteral("open"), folder);
    }
    QString saveFile(QWidget*, const QString& folder) override {
        return script_.nextFile(QStringLiteral("save"), folder);
    }

  private:
    DialogScript& script_;
};

} // namespace tessaro::test
