// SPDX-License-Identifier: GPL-3.0-or-later
// The main window after its start-up, and the widgets it builds from the catalogue.

#include "WindowFixture.h"
#include "app/StatusPanelBar.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;

class StartUpTest : public WindowFixture {};

TEST_F(StartUpTest, ShowsTheFactoryWorkspaceUnderTheDefaultTitle) {
    EXPECT_EQ(title(), "Tessaro - default");
    EXPECT_EQ(caption("PFSspeed"), "Max Printing Speed : 62 mm/s");
    EXPECT_EQ(caption("Maxcurrent"), "Dynamic Division : 5 Black Bytes");
    EXPECT_EQ(caption("MarkLengthCap"), "MarkLength: Continuous paper feed mode");
    EXPECT_EQ(caption("modeunderlined"), "Underligned");
    EXPECT_EQ(child<QLabel>("tcharset")->text(), "International Character Set:");
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 62);
    EXPECT_EQ(child<QComboBox>("Justification")->currentText(), "Left");
    EXPECT_TRUE(child<QCheckBox>("ENContPaper")->isChecked());
    EXPECT_FALSE(child<QSlider>("SliderMarkLength")->isEnabled());
    EXPECT_TRUE(modifiedList().isEmpty());
}

TEST_F(StartUpTest, PrinterCommandsWaitForAPrinterAndTheStatusBarSaysSo) {
    EXPECT_FALSE(child<QAction>("saveparam")->isEnabled());
    EXPECT_FALSE(child<QAction>("RecovDefault")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("SetToPrinterButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("RecoverfactoryButton")->isEnabled());
    EXPECT_EQ(window->statusPanels()->panelTexts(),
              QStringList{"NO Port is openned. Please open a port."});
}

TEST_F(StartUpTest, StartUpRunsOnceAndRemembersTheWorkingDirectory) {
    window->hide();
    window->show();
    window->Form_Load();
    EXPECT_THAT(printer.calls, ElementsAre("startUp"));
    EXPECT_EQ(window->startupDirectory(), QDir::currentPath());
}

// A tab of the back row comes to the front row, next to the page, when it is chosen.
TEST_F(StartUpTest, ChosenTabRowMovesNextToThePage) {
    auto* tabs = child<app::TwoRowTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tab(3)->text(), "Hole/Black mark detection commands");
    QSignalSpy changed(tabs, &app::TwoRowTabWidget::currentChanged);
    const int frontRow = tabs->tab(0)->y();
    EXPECT_LT(tabs->tab(3)->y(), frontRow);

    QTest::mouseClick(tabs->tab(3), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(child("SliderTOFpos")->isVisible());
    EXPECT_GT(tabs->tab(3)->y(), tabs->tab(0)->y());
}

} // namespace
} // namespace tessaro::test
