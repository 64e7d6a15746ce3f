// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard alone: the keys that change the tab, the order of the Tab key,
// the menus' Alt letters and the printer commands' keys.

#include "WindowFixture.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTest>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class KeyboardTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        tabs = child<app::TwoRowTabWidget>("SSTab1");
    }

    void press(QWidget* at, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(at, key, modifiers);
        QApplication::processEvents();
    }

    app::TwoRowTabWidget* tabs = nullptr;
};

TEST_F(KeyboardTest, ControlTabAndControlPageKeysChangeTheTab) {
    auto* slider = child<QSlider>("SliderPFSspeed");
    slider->setFocus();
    const int value = slider->value();
    press(slider, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(slider->value(), value); // the slider does not take the key
    QWidget* list = child("StatusList");
    press(list, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    press(list, Qt::Key_Tab, Qt::ControlModifier);
    press(list, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0); // round the end
    press(list, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
    press(list, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_TRUE(tabs->page(2)->isVisible());
}

TEST_F(KeyboardTest, TabGoesThroughTheTabsThePageInColumnsTheListAndTheButtons) {
    window->EnablePrinterCommands(true);
    ASSERT_EQ(QApplication::focusWidget(), tabs->tab(0)); // where the window opens
    std::vector<std::string> visited;
    for (int i = 0; i < 20 && (visited.empty() || QApplication::focusWidget() != tabs->tab(0));
         ++i) {
        QWidget* focused = QApplication::focusWidget();
        visited.push_back(focused->objectName().isEmpty()
                              ? qobject_cast<QAbstractButton*>(focused)->text().toStdString()
                              : focused->objectName().toStdString());
        press(focused, Qt::Key_Tab);
    }
    EXPECT_THAT(visited,
                ElementsAreArray<std::string>(
                    {"Setup and hardware control", "Text and general commands", "Barcode commands",
                     "Hole/Black mark detection commands", "SliderMaxcurrent", "SliderIntensity",
                     "SlidAccel", "SliderPFSspeed", "SliderAutosleep", "serialspeed",
                     "serialhandshake", "irda", "SliderBusyhold", "SliderPLpause", "SliderPLlength",
                     "SliderPLspeed", "StatusList", "SetToPrinterButton", "RecoverfactoryButton"}));
}

// Left and Right select the tab beside the focused one and keep the focus on the tabs; Space
// selects the focused tab. A focused tab is drawn with a focus frame.
TEST_F(KeyboardTest, ArrowsAndSpaceSelectTabsAndTheFocusedTabShowsItsFocus) {
    app::TabButton* second = tabs->tab(1);
    const QImage unfocused = second->grab().toImage();
    press(tabs->tab(0), Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_NE(second->grab().toImage(), unfocused);
    press(second, Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), tabs->tab(2));
    press(tabs->tab(2), Qt::Key_Tab);
    press(tabs->tab(3), Qt::Key_Space);
    EXPECT_EQ(tabs->currentIndex(), 3);
    press(tabs->tab(3), Qt::Key_Right);
    EXPECT_EQ(tabs->currentIndex(), 0); // round the end
    press(tabs->tab(0), Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 3);
    EXPECT_EQ(QApplication::focusWidget(), tabs->tab(3));
}

TEST_F(KeyboardTest, MenusHaveAltLettersAndThePrinterCommandsHaveKeys) {
    QStringList titles;
    for (QAction* action : window->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles,
              QStringList({"&File", "&Detect the printer", "&Configure the Printer", "&?"}));
    press(window.get(), Qt::Key_F, Qt::AltModifier);
    auto* file = child<QMenu>("file");
    EXPECT_TRUE(file->isVisible());
    file->close();

    window->EnablePrinterCommands(true);
    printer.calls.clear();
    press(window.get(), Qt::Key_D, Qt::ControlModifier);
    press(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_THAT(printer.calls, ElementsAre("detect", "sendModified"));
}

} // namespace
} // namespace tessaro::test
