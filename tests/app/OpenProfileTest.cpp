// SPDX-License-Identifier: GPL-3.0-or-later
// The other ways into "Load Config From File to Workspace": a file dropped on the window and
// the recent profiles of the File menu, with the folder the file dialogs open in, kept in a
// settings file of the test's own.

#include "WindowFixture.h"
#include "app/RememberedSettings.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSlider>
#include <QTest>
#include <filesystem>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kBadValue =
    "[Setup and hardware control]\r\nSliderPFSspeed=999\r\nSliderMaxcurrent=7\r\n";

class OpenProfileTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setRememberedSettings(
            std::make_unique<app::RememberedSettings>(fileName("Tessaro.conf")));
    }

    // A new window with the same settings, as the next run of the program has them.
    void reopen() {
        TearDown();
        script.fileDialogs.clear();
        script.boxes.clear();
        SetUp();
    }

    QString profile(const std::string& name, const char* content = kBadValue) const {
        dir.write(name, content);
        return fileName(name.c_str());
    }

    void loadWithTheMenu(const QString& file) {
        script.files.push_back(file);
        trigger("load");
    }

    // Drags the urls over the window and drops them as a file manager does; true when the
    // window took both. The load waits for the drop to end: the events queued then run.
    bool dragAndDrop(QMimeData& data) {
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QCoreApplication::processEvents();
        return enter.isAccepted() && drop.isAccepted();
    }
    bool dropUrls(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        return dragAndDrop(data);
    }

    // The paths of the visible recent entries, in menu order.
    std::vector<QString> recentEntries() const {
        std::vector<QString> shown;
        for (QAction* entry : child<QMenu>("recentProfiles")->actions()) {
            if (entry->isVisible()) {
                shown.push_back(entry->data().toString());
            }
        }
        return shown;
    }
};

TEST_F(OpenProfileTest, TheFirstDroppedProfileLoadsAsTheLoadMenuLoadsIt) {
    const QString notes = profile("notes.txt");
    const QString dropped = profile("dropped.PCF");
    EXPECT_TRUE(dropUrls({QUrl::fromLocalFile(notes), QUrl::fromLocalFile(dropped),
                          QUrl::fromLocalFile(profile("third.pcf"))}));
    EXPECT_EQ(title(), "Tessaro - dropped");
    EXPECT_EQ(child<QSlider>("SliderMaxcurrent")->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("SliderPFSspeed=999"));
    EXPECT_THAT(recentEntries(), ElementsAre(dropped));
}

TEST_F(OpenProfileTest, OtherDropsAreRefusedAndChangeNothing) {
    QMimeData text;
    text.setText(profile("as-text.pcf"));
    EXPECT_FALSE(dragAndDrop(text));
    EXPECT_FALSE(dropUrls({QUrl::fromLocalFile(profile("notes.txt"))}));
    EXPECT_FALSE(dropUrls({QUrl(QStringLiteral("https://example.org/shop.pcf"))}));
    EXPECT_EQ(title(), "Tessaro - default");
    EXPECT_THAT(script.boxes, IsEmpty());
}

// Qt hands a drop to the innermost widget that takes drops: only the window may.
TEST_F(OpenProfileTest, NoWidgetInsideTheWindowTakesTheDropsForItself) {
    for (QWidget* inner : window->findChildren<QWidget*>()) {
        EXPECT_FALSE(inner->acceptDrops() && inner->window() == window.get())
            << inner->metaObject()->className() << " " << inner->objectName().toStdString();
    }
}

TEST_F(OpenProfileTest, RecentProfilesAreTheLastFiveLoadedOrSavedMostRecentFirst) {
    EXPECT_FALSE(child<QMenu>("recentProfiles")->isEnabled());
    std::vector<QString> files;
    for (const char* name : {"p1.pcf", "p2.pcf", "p3.pcf", "p4.pcf", "p5.pcf"}) {
        files.push_back(profile(name));
        loadWithTheMenu(files.back());
    }
    script.files.push_back(fileName("saved & kept.pcf"));
    trigger("Save");
    loadWithTheMenu(files[1]);
    EXPECT_TRUE(child<QMenu>("recentProfiles")->isEnabled());
    EXPECT_THAT(recentEntries(),
                ElementsAre(files[1], fileName("saved & kept.pcf"), files[4], files[3], files[2]));
    EXPECT_EQ(child<QAction>("recentProfile2")->text(), "&2 " + fileName("saved && kept.pcf"));
}

TEST_F(OpenProfileTest, ARecentProfileThatHasGoneIsRemovedWithAMessageNamingIt) {
    const QString gone = profile("gone.pcf");
    loadWithTheMenu(gone);
    loadWithTheMenu(profile("kept.pcf"));
    std::filesystem::remove(dir / "gone.pcf");
    script.boxes.clear();
    trigger("recentProfile2");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script.boxes[0].text,
              gone + " no longer exists; it is removed from the recent profiles.");
    EXPECT_EQ(title(), "Tessaro - kept");
    reopen();
    EXPECT_THAT(recentEntries(), ElementsAre(fileName("kept.pcf")));
}

TEST_F(OpenProfileTest, TheNextRunListsTheProfilesAndOpensTheDialogsInTheLastFolder) {
    std::filesystem::create_directory(dir / "shop");
    const QString front = profile("shop/front.pcf");
    loadWithTheMenu(front);
    loadWithTheMenu(profile("shop/back.pcf"));
    reopen();
    trigger("load");
    trigger("Save");
    EXPECT_THAT(script.fileDialogs,
                ElementsAre("open " + fileName("shop"), "save " + fileName("shop")));
    trigger("recentProfile2");
    EXPECT_EQ(title(), "Tessaro - front");
    EXPECT_EQ(child<QSlider>("SliderMaxcurrent")->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u); // the file's warning, as the Load menu gives it
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("SliderPFSspeed=999"));
}

} // namespace
} // namespace tessaro::test
