// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window: the question about unsaved changes, and waiting for an operation.

#include "WindowFixture.h"

#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class CloseTest : public WindowFixture {
  protected:
    void modify() const { QTest::keyClick(child<QSlider>("SliderPFSspeed"), Qt::Key_Right); }
    bool shutDown() const {
        return std::count(printer.calls.begin(), printer.calls.end(), "shutDown") == 1;
    }
};

TEST_F(CloseTest, UnchangedWorkspaceClosesWithoutAQuestion) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_THAT(printer.calls, ElementsAre("startUp", "shutDown"));
}

TEST_F(CloseTest, YesWithACancelledSaveDialogClosesWithoutAFile) {
    modify();
    script.answers.push_back(QMessageBox::Yes);
    trigger("quit");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(script.boxes[0].title, "Tessaro");
    EXPECT_EQ(script.boxes[0].text, "Do you want to save changes before closing?");
    EXPECT_EQ(script.boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(script.fileDialogs.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(shutDown());
}

TEST_F(CloseTest, YesSavesBeforeClosing) {
    modify();
    script.answers.push_back(QMessageBox::Yes);
    script.files.push_back(fileName("last.pcf"));
    EXPECT_TRUE(window->close());
    EXPECT_THAT(readFile(dir / "last.pcf"), HasSubstr("SliderPFSspeed=63"));
    EXPECT_TRUE(shutDown());
}

TEST_F(CloseTest, NoClosesWithoutSaving) {
    modify();
    script.answers.push_back(QMessageBox::No);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(script.fileDialogs.empty());
    EXPECT_TRUE(shutDown());
}

// Closing anyway would lose the changes the user just asked to keep.
TEST_F(CloseTest, FailedSaveKeepsTheWindowOpen) {
    std::filesystem::create_directory(dir / "taken.pcf");
    modify();
    script.answers.push_back(QMessageBox::Yes);
    script.files.push_back(fileName("taken.pcf"));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(script.boxes.back().icon, QMessageBox::Critical);
    EXPECT_THAT(script.boxes.back().text.toStdString(), HasSubstr("taken.pcf"));
    EXPECT_FALSE(shutDown());
    EXPECT_EQ(title(), "Tessaro - default *");
}

// The user closes the window and clicks again while the printer is being written to.
TEST_F(CloseTest, CloseWaitsForARunningOperationAndOtherClicksAreRefused) {
    window->EnablePrinterCommands(true);
    bool closedDuring = true;
    printer.during = [&] {
        closedDuring = window->close();
        child<QPushButton>("SetToPrinterButton")->click();
        trigger("DetectPrinter");
        trigger("load");
        trigger("defaultparam");
    };
    child<QPushButton>("SetToPrinterButton")->click();
    EXPECT_FALSE(closedDuring);
    EXPECT_THAT(printer.calls, ElementsAre("startUp", "sendModified"));
    EXPECT_TRUE(script.fileDialogs.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
    EXPECT_TRUE(shutDown());
}

TEST_F(CloseTest, OperationOfThePrinterSideHoldsTheCloseUntilItEnds) {
    window->EnablePrinterCommands(true);
    printer.hold = true;
    trigger("saveparam");
    EXPECT_FALSE(window->close());
    trigger("DetectPrinter");
    EXPECT_THAT(printer.calls, Not(Contains("detect")));
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());

    printer.finish();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
    EXPECT_TRUE(shutDown());
}

} // namespace
} // namespace tessaro::test
