// SPDX-License-Identifier: GPL-3.0-or-later
// The station window with four tiles in four states: nothing cut off or sticking out, and
// tiles of one size, at the default font, and at a font half as large again, where the window grows
// to fit as far as the screen lets it (the tiles scroll beyond).

#include "LayoutChecks.h"
#include "StationFixture.h"

#include <QScreen>

namespace tessaro::test {
namespace {

class StationLayoutTest : public StationFixture {
  protected:
    // Tiles of one size, whether they offer "Run again" or not.
    void expectTilesAlike() {
        for (int n = 2; n <= 4; ++n) {
            // the grid hands out the pixels left over one by one
            EXPECT_NEAR(tile(n)->width(), tile(1)->width(), 1) << "tile " << n;
            EXPECT_EQ(tile(n)->minimumSizeHint().width(), tile(1)->minimumSizeHint().width())
                << "tile " << n;
            EXPECT_EQ(tile(n)->height(), tile(1)->height()) << "tile " << n;
        }
    }
};

TEST_F(StationLayoutTest, FourTilesFitAtTheDefaultFontAndAtALargerOne) {
    const auto good = virtualPrinter({});
    const auto silent = virtualPrinter({"--silent"});
    const auto refusing = virtualPrinter({"--save-reply", "1"});
    open({good->device(), silent->device(), refusing->device()});
    choose({"COM1", "COM2", "COM3"});
    part<QLineEdit>("networkAddress")->setText(QStringLiteral("127.0.0.1:1"));
    QTest::mouseClick(part<QPushButton>("networkAdd"), Qt::LeftButton);
    click("stationStart");
    ASSERT_TRUE(QTest::qWaitFor([this] { return ended(); }, kWaitMs));
    ASSERT_EQ(tile(4)->look(), app::StationTile::Look::Failed); // nothing listens there
    QApplication::processEvents();
    expectTextsFit(station);
    ASSERT_TRUE(tile(2)->offersRunAgain());
    expectTilesAlike();
    const QSize designed = station->size();
    const QSize tileDesigned = tile(1)->size();
    const QSize screen = station->screen()->availableGeometry().size();
    EXPECT_LE(designed.height(), screen.height());

    {
        const LargerFont larger(1.5);
        QApplication::processEvents();
        SCOPED_TRACE("at 1.5 times the font");
        expectTextsFit(station);
        expectTilesAlike();
        // The window grows, as high as the screen lets it; beyond, the tiles scroll.
        EXPECT_GT(station->width(), designed.width());
        EXPECT_GE(station->height(), designed.height());
        EXPECT_LE(station->height(), screen.height());
        EXPECT_GT(tile(1)->width(), tileDesigned.width());
        EXPECT_GT(tile(1)->height(), tileDesigned.height());
    }
}

} // namespace
} // namespace tessaro::test
