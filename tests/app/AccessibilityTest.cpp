// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the window: the tabs are page tabs it can select.

#include "WindowFixture.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"
#include "workspace/Catalogue.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

namespace tessaro::test {
namespace {

namespace ws = workspace;

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

class AccessibilityTest : public WindowFixture {
  protected:
    app::TwoRowTabWidget* tabs() const { return child<app::TwoRowTabWidget>("SSTab1"); }

    void expectSelected(int selected) const {
        for (int t = 0; t < tabs()->count(); ++t) {
            EXPECT_EQ(accessible(tabs()->tab(t))->state().selected, t == selected) << t;
        }
        EXPECT_EQ(tabs()->currentIndex(), selected);
        EXPECT_TRUE(tabs()->page(selected)->isVisible());
    }
};

TEST_F(AccessibilityTest, TheTabsArePageTabsOfAPageTabList) {
    QAccessibleInterface* list = accessible(tabs()->tabRows());
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 4);
    for (int t = 0; t < 4; ++t) {
        QAccessibleInterface* tab = list->child(t);
        EXPECT_EQ(tab->object(), tabs()->tab(t));
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), qs(ws::tabCaption(static_cast<ws::Tab>(t))));
        EXPECT_TRUE(tab->state().selectable);
        EXPECT_FALSE(tab->state().checkable); // a tab, not a check box
        ASSERT_NE(tab->actionInterface(), nullptr);
        EXPECT_EQ(tab->actionInterface()->actionNames().value(0),
                  QAccessibleActionInterface::pressAction());
    }
    expectSelected(0);
}

// A screen reader's press shows the page as a click does; pressing the selected tab again
// leaves it selected.
TEST_F(AccessibilityTest, PressingATabShowsItsPage) {
    const QString press = QAccessibleActionInterface::pressAction();
    accessible(tabs()->tab(2))->actionInterface()->doAction(press);
    expectSelected(2);
    EXPECT_FALSE(tabs()->page(0)->isVisible());
    accessible(tabs()->tab(2))->actionInterface()->doAction(press);
    expectSelected(2);
    QTest::mouseClick(tabs()->tab(2), Qt::LeftButton);
    expectSelected(2);
    tabs()->setCurrentIndex(3);
    expectSelected(3);
}

} // namespace
} // namespace tessaro::test
