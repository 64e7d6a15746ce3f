// SPDX-License-Identifier: GPL-3.0-or-later
// The window with its real printer side, against the virtual printer process on a
// pseudo-terminal: detection through the port selection window, a transmission, and a close
// asked for while the transmission waits for the printer.

#include "app/PrinterSide.h"

#include "ScriptedDialogs.h"
#include "app/Form1.h"
#include "app/PortSelection.h"
#include "support/SimProcess.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::HasSubstr;

class PrinterSideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim = std::make_unique<SimProcess>(std::vector<std::string>{"--time-limit", "120"});
        const std::string device = sim->device();
        ASSERT_FALSE(device.empty());
        window = std::make_unique<app::Form1>();
        window->feedback().setDialogRunner(script.runner());
        window->setPrinterActions(std::make_unique<app::PrinterSide>(
            *window, link::PortMap({}, {}, [device](const std::string& name) {
                return std::optional<std::string>(name == "TESSARO_COM1" ? device : "");
            })));
        window->show();
    }
    void TearDown() override {
        window->feedback().setDialogRunner([](QMessageBox&) { return QMessageBox::No; });
        window.reset();
    }

    // Detects on COM1 through the port selection window, clicking as a user would.
    void detect() {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<app::PortSelection*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>("COM1")->setChecked(true);
            dialog->findChild<QPushButton*>("DetectSerialPrinter")->click();
        });
        window->DetectPrinter_Click();
    }

    std::unique_ptr<SimProcess> sim;
    DialogScript script;
    std::unique_ptr<app::Form1> window;
};

TEST_F(PrinterSideTest, DetectThenSendStoresTheChangeInThePrinter) {
    detect();
    EXPECT_THAT(script.texts(), Contains(QString("R62 VIRTUAL PRN found on COM 1 at 9600 bauds")));
    EXPECT_TRUE(window->findChild<QPushButton*>("SetToPrinterButton")->isEnabled());

    window->workspace().setSlider(workspace::controlId("SliderMaxcurrent"), 7,
                                  workspace::ChangeSource::User);
    script.answers.push_back(QMessageBox::Yes);
    window->SetToPrinterButton_Click();
    EXPECT_EQ(script.texts().back(), "Saving Sequence Successful !");
    EXPECT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS / 07"));
}

TEST_F(PrinterSideTest, ClosingDuringATransmissionWaitsForItsEnd) {
    detect();
    script.answers.push_back(QMessageBox::Yes); // send
    script.answers.push_back(QMessageBox::No);  // then: save changes before closing?
    window->workspace().setSlider(workspace::controlId("SliderMaxcurrent"), 3,
                                  workspace::ChangeSource::User);
    bool closedDuringSend = false;
    QTimer::singleShot(200, [&] { closedDuringSend = !window->close() && window->isVisible(); });
    window->SetToPrinterButton_Click();
    EXPECT_TRUE(closedDuringSend);
    EXPECT_EQ(script.texts().back(), "Saving Sequence Successful !");
    // The held-back close is retried once the transmission has ended.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
}

} // namespace
} // namespace tessaro::test
