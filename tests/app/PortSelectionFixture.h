// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window with its real printer side on ports the test maps, the port selection
// window driven as a user drives it, and the virtual printer process when a test needs one.

#include "ScriptedDialogs.h"
#include "app/Form1.h"
#include "app/PortSelection.h"
#include "app/PrinterSide.h"
#include "support/SimProcess.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace tessaro::test {

class PortSelectionFixture : public ::testing::Test {
  protected:
    void TearDown() override { closeWindow(); }

    void startSim(std::vector<std::string> options) {
        options.insert(options.end(), {"--time-limit", "120"});
        sim = std::make_unique<SimProcess>(options);
        device = sim->device();
        ASSERT_FALSE(device.empty());
    }

    // The main window with its printer side; the ports are the overrides' and no other. With
    // a settings file, the window remembers in it.
    void openWindow(std::map<std::string, std::string> overrides, const QString& settings = {},
                    worker::PrinterOperations::Prepare prepare = {}) {
        window = std::make_unique<app::Form1>();
        window->feedback().setDialogRunner(script.runner());
        window->setPrinterActions(std::make_unique<app::PrinterSide>(
            *window,
            link::PortMap({}, {},
                          [overrides](const std::string& name) {
                              const auto found = overrides.find(name);
                              return std::optional<std::string>(
                                  found == overrides.end() ? "" : found->second);
                          }),
            std::move(prepare)));
        if (!settings.isEmpty()) {
            window->setRememberedSettings(std::make_unique<app::RememberedSettings>(settings));
        }
        window->show();
        // The port driver is opened on the printer's worker as the window starts.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isBusy(); }));
    }

    void closeWindow() {
        if (window) {
            window->feedback().setDialogRunner([](QMessageBox&) { return QMessageBox::No; });
        }
        window.reset();
    }

    // Opens the port selection window, does what a user does in it, lets a detection it
    // started end, and closes the window if the detection has not; then waits until the main
    // window is idle again.
    void inPortSelection(const std::function<void(app::PortSelection&)>& act) {
        window->DetectPrinter_Click();
        QPointer<app::PortSelection> dialog;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            dialog = window->findChild<app::PortSelection*>();
            return dialog && dialog->isVisible();
        })) << "no port selection window";
        act(*dialog);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog || !dialog->running(); }, 30000));
        if (dialog && dialog->isVisible()) {
            dialog->close();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isBusy(); }));
    }

    // Waits for the detection under way in the port selection window to end.
    static void awaitDetection(app::PortSelection& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.running(); }, 30000));
    }

    template <typename W> static W* child(app::PortSelection& dialog, const char* name) {
        W* found = dialog.findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<SimProcess> sim;
    std::string device;
    DialogScript script;
    std::unique_ptr<app::Form1> window;
};

} // namespace tessaro::test
