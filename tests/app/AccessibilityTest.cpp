// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the window: the tabs are page tabs it can select, each
// control is named by what it sets and described by its frame's tooltip.

#include "WindowFixture.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"
#include "workspace/Catalogue.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QSlider>
#include <QTest>

namespace tessaro::test {
namespace {

namespace ws = workspace;

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

// The names of what labels the object, the label Qt gives first coming first.
QStringList labelsOf(QObject* object) {
    QStringList names;
    for (const auto& [label, relation] : accessible(object)->relations(QAccessible::Label)) {
        names << label->text(QAccessible::Name);
    }
    return names;
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

TEST_F(AccessibilityTest, ControlsAreNamedByTheirCaptionAndDescribedByTheirFrameTip) {
    for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
        const ws::ControlSpec& def = ws::control(id);
        QWidget* widget = child(std::string(def.key).c_str());
        const ws::FrameSpec& frame = ws::frames()[*ws::findFrame(def.frame)];
        EXPECT_EQ(accessible(widget)->text(QAccessible::Description), qs(frame.tooltip)) << def.key;
        if (def.kind == ws::ControlKind::Slider) {
            EXPECT_EQ(nameOf(widget), caption(std::string(frame.name).c_str())) << def.key;
        }
    }
    // The name follows the caption as the value changes it.
    auto* slider = child<QSlider>("SliderPFSspeed");
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(nameOf(slider), "Max Printing Speed : 150 mm/s");
    // Option groups inside the print mode's frame have names of their own.
    EXPECT_EQ(nameOf(child("modeheight")), "Height");
    EXPECT_EQ(nameOf(child("modewidth")), "Width");
    EXPECT_EQ(labelsOf(child("width2")).value(0), "Width");
}

// Qt names a list by its current entry on Linux; what it sets comes from its labels: the
// frame's caption, or a label only a screen reader finds where lists share a frame.
TEST_F(AccessibilityTest, ListsAreLabelledByWhatTheySet) {
    const std::pair<const char*, const char*> lists[] = {
        {"serialspeed", "Serial speed"},
        {"irda", "IR mode"},
        {"Charset", "International Character Set:"},
        {"Barcodeori", "Barcode Orientation:"},
    };
    for (const auto& [list, label] : lists) {
        EXPECT_EQ(labelsOf(child(list)).value(0), label) << list;
    }
    // The serial lists' labels are for a screen reader only.
    EXPECT_FALSE(child("serialspeedLabel")->isVisible());
    EXPECT_EQ(nameOf(child("StatusList")), "List of modified parameters:");
}

} // namespace
} // namespace tessaro::test
