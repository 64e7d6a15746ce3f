// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard alone: the keys that change the tab.

#include "WindowFixture.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QSlider>
#include <QTest>

namespace tessaro::test {
namespace {

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

} // namespace
} // namespace tessaro::test
