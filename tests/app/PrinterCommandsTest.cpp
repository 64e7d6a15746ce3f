// SPDX-License-Identifier: GPL-3.0-or-later
// The menu entries and buttons that reach the printer side.

#include "WindowFixture.h"

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;

class PrinterCommandsTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->EnablePrinterCommands(true);
        printer.calls.clear();
    }
};

TEST_F(PrinterCommandsTest, MenuEntriesAndButtonsReachThePrinterSide) {
    trigger("DetectPrinter");
    trigger("saveparam");
    child<QPushButton>("SetToPrinterButton")->click();
    trigger("RecovDefault");
    child<QPushButton>("RecoverfactoryButton")->click();
    EXPECT_THAT(printer.calls, ElementsAre("detect", "sendModified", "sendModified",
                                           "recoverFactory", "recoverFactory"));
}

// Opening the port driver as the window starts is an operation like the others: until it has
// ended, nothing starts another one, loads a file or opens the station.
TEST_F(PrinterCommandsTest, StartUpIsGuardedLikeEveryOperation) {
    window.reset();
    printer.calls.clear();
    printer.hold = true;
    WindowFixture::SetUp();
    ASSERT_TRUE(window->isBusy());
    trigger("DetectPrinter");
    trigger("load");
    trigger("station");
    EXPECT_THAT(printer.calls, ElementsAre("startUp"));
    EXPECT_TRUE(script.fileDialogs.empty());
    EXPECT_EQ(window->stationWindow(), nullptr);

    printer.finish();
    EXPECT_FALSE(window->isBusy());
    trigger("DetectPrinter");
    EXPECT_THAT(printer.calls, ElementsAre("startUp", "detect"));
}

TEST_F(PrinterCommandsTest, ErrorOfThePrinterSideIsShownAndTheWindowGoesOn) {
    printer.fail = true;
    trigger("saveparam");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(script.boxes[0].text, "the port went away");
    EXPECT_FALSE(window->isBusy());
    trigger("DetectPrinter");
    EXPECT_THAT(printer.calls, ElementsAre("sendModified", "detect"));
}

// The printer side changes the workspace (a send clears the modified flags): the window
// shows the new state once the operation is over.
TEST_F(PrinterCommandsTest, WindowShowsTheWorkspaceAsTheOperationLeftIt) {
    QTest::keyClick(child<QSlider>("SliderPFSspeed"), Qt::Key_Right);
    ASSERT_FALSE(modifiedList().isEmpty());
    printer.during = [&] {
        window->workspace().clearModifiedFlags();
        window->workspace().RefreshModifiedList();
    };
    trigger("saveparam");
    EXPECT_TRUE(modifiedList().isEmpty());
}

} // namespace
} // namespace tessaro::test
