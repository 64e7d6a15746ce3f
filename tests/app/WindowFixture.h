// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started main window whose dialogs, message boxes and printer side are scripted.

#include "FakePrinterActions.h"
#include "ScriptedDialogs.h"
#include "app/DisplayText.h"
#include "app/Form1.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Failures show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* out) {
    *out << url.toString().toStdString();
}

namespace tessaro::test {

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<app::Form1>();
        window->setFileDialogs(std::make_unique<ScriptedFileDialogs>(script));
        window->setPrinterActions(std::make_unique<FakePrinterActions>(printer));
        window->feedback().setDialogRunner(script.runner());
        window->show();
    }

    void TearDown() override {
        window->feedback().setDialogRunner([](QMessageBox&) { return QMessageBox::No; });
        window.reset();
    }

    template <typename W = QWidget> W* child(const char* name) const {
        W* found = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void trigger(const char* action) const {
        QAction* found = child<QAction>(action);
        ASSERT_NE(found, nullptr);
        found->trigger();
    }

    QString title() const { return window->windowTitle(); }
    QString caption(const char* frame) const { return child<QGroupBox>(frame)->title(); }
    QString modifiedList() const { return child<QPlainTextEdit>("StatusList")->toPlainText(); }
    QString fileName(const char* name) const { return app::fromPath(dir / name); }

    TempDir dir;
    DialogScript script;
    PrinterLog printer;
    std::unique_ptr<app::Form1> window;
};

} // namespace tessaro::test
