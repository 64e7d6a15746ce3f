// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing in the main window or the port selection window is cut off or covers something
// else: at the default font, also with every slider at the end that gives its longest
// caption, and at a font half as large again, where the windows grow to fit.

#include "LayoutChecks.h"
#include "PortSelectionFixture.h"
#include "WindowFixture.h"
#include "app/PictureButton.h"
#include "app/Scaling.h"
#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"
#include "workspace/Catalogue.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <algorithm>

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

    // The frames of one page, in page coordinates, lie on the page and apart.
    static void checkPage(ws::Tab tab, QWidget* page) {
        std::vector<std::pair<std::string_view, QRect>> placed;
        for (const ws::FrameSpec& frame : ws::frames()) {
            if (frame.tab == tab) {
                QWidget* widget = named(page, frame.name);
                ASSERT_NE(widget, nullptr) << frame.name;
                placed.emplace_back(frame.name,
                                    QRect(widget->mapTo(page, QPoint(0, 0)), widget->size()));
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

    // Each tab in turn, at factory settings and with the longest captions: its page's
    // frames apart and every text of the window in its room.
    void checkEveryTab() {
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
                expectTextsFit(window.get());
            }
        }
    }

    QSize clientSize() const {
        return {window->width(), window->centralWidget()->height() + window->statusBar()->height()};
    }
};

TEST_F(LayoutTest, EveryPageFitsAtFactorySettingsAndWithTheLongestCaptions) {
    checkEveryTab();
    EXPECT_TRUE(child<QLabel>("Label1")->font().bold()); // the right column's heading
}

// A font changed while the window is open (the desktop's settings) resizes it both ways.
TEST_F(LayoutTest, TheWindowFollowsAFontChange) {
    const QSize designed = window->size();
    {
        const LargerFont larger(1.5);
        QApplication::processEvents(); // the new font reaches the widgets
        EXPECT_GT(window->width(), designed.width());
        EXPECT_GT(window->height(), designed.height());
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        expectTextsFit(window.get());
    }
    QApplication::processEvents();
    EXPECT_EQ(window->size(), designed);
}

class LargeFontLayoutTest : public LayoutTest {
    LargerFont larger_{1.5};
};

TEST_F(LargeFontLayoutTest, TheWindowGrowsToWhatEveryTabNeedsAndStaysFixed) {
    const app::Scaling scale(window.get());
    EXPECT_GT(clientSize().width(), scale.px(711));
    EXPECT_GT(clientSize().height(), scale.px(387));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QSize first = window->size();
    checkEveryTab();
    EXPECT_EQ(window->size(), first);
}

class LargeFontPortSelectionTest : public PortSelectionFixture {
    LargerFont larger_{1.5};
};

TEST_F(LargeFontPortSelectionTest, EveryTextHasItsRoom) {
    openWindow({});
    inPortSelection([](app::PortSelection& dialog) { expectTextsFit(&dialog); });
}

} // namespace
} // namespace tessaro::test
