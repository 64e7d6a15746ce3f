// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing on the parameter pages is cut off or covers something else, also with every
// slider at the end that gives its longest caption.

#include "WindowFixture.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"
#include "workspace/Catalogue.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace tessaro::test {
namespace {

namespace ws = workspace;

class LayoutTest : public WindowFixture {
  protected:
    void longestCaptions() {
        for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
            const ws::ControlSpec& def = ws::control(id);
            if (def.kind == ws::ControlKind::Slider) {
                window->workspace().setSlider(id, def.min < 0 ? def.min : def.max,
                                              ws::ChangeSource::Program);
            }
        }
        window->workspace().setContinuousPaper(false);
        window->refresh();
    }

    static QWidget* named(QWidget* page, std::string_view name) {
        return page->findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }

    // The frames and controls of one page, in page coordinates.
    void checkPage(ws::Tab tab, QWidget* page) {
        std::vector<std::pair<std::string_view, QRect>> placed;
        for (const ws::FrameSpec& frame : ws::frames()) {
            if (frame.tab == tab) {
                QWidget* widget = named(page, frame.name);
                ASSERT_NE(widget, nullptr) << frame.name;
                placed.emplace_back(frame.name,
                                    QRect(widget->mapTo(page, QPoint(0, 0)), widget->size()));
                checkCaption(widget, frame.name);
            }
        }
        for (std::size_t a = 0; a < placed.size(); ++a) {
            EXPECT_TRUE(page->rect().contains(placed[a].second)) << placed[a].first;
            for (std::size_t b = a + 1; b < placed.size(); ++b) {
                EXPECT_FALSE(placed[a].second.intersects(placed[b].second))
                    << placed[a].first << " overlaps " << placed[b].first;
            }
        }
    }

    static void checkCaption(QWidget* widget, std::string_view name) {
        if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.textAlignment = box->alignment();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, box);
            EXPECT_GE(label.width(), box->fontMetrics().horizontalAdvance(box->title())) << name;
            EXPECT_LE(label.right(), box->rect().right())
                << name << ": " << box->title().toStdString();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << name;
        }
        for (QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->objectName().toStdString() << " is cut off";
        }
    }
};

TEST_F(LayoutTest, EveryPageFitsAtFactorySettingsAndWithTheLongestCaptions) {
    auto* tabs = child<app::TwoRowTabWidget>("SSTab1");
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            longestCaptions();
        }
        for (int t = 0; t < tabs->count(); ++t) {
            tabs->setCurrentIndex(t);
            QApplication::processEvents();
            SCOPED_TRACE("tab " + std::to_string(t) + " round " + std::to_string(round));
            checkPage(static_cast<ws::Tab>(t), tabs->page(t));
        }
    }
}

TEST_F(LayoutTest, RightColumnAndTabCaptionsAreNotCutOff) {
    auto* tabs = child<app::TwoRowTabWidget>("SSTab1");
    for (int t = 0; t < tabs->count(); ++t) {
        QAbstractButton* tab = tabs->tab(t);
        EXPECT_LE(tab->fontMetrics().horizontalAdvance(tab->text()) + 8, tab->width())
            << tab->text().toStdString();
    }
    auto* heading = child<QLabel>("Label1");
    EXPECT_LE(heading->fontMetrics().horizontalAdvance(heading->text()), heading->width());
    EXPECT_EQ(heading->font().bold(), true);
}

} // namespace
} // namespace tessaro::test
