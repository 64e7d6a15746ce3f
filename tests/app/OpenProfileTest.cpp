// SPDX-License-Identifier: GPL-3.0-or-later
// The other ways into "Load Config From File to Workspace": a file dropped on the window, the
// recent profiles of the File menu, and the folder the file dialogs open in, all kept in a
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

class OpenProfileTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->setRememberedSettings(std::make_unique<app::RememberedSettings>(settingsFile()));
    }

    // The same settings in a new window, as the next run of the program has them.
    void reopen() {
        TearDown();
        script.fileDialogs.clear();
        script.boxes.clear();
        SetUp();
    }

    QString settingsFile() const { return fileName("Tessaro.conf"); }

    QString profile(const std::string& name, const std::string& content = kSpeed80) const {
        dir.write(name, content);
        return fileName(name.c_str());
    }

    void loadWithTheMenu(const QString& file) {
        script.files.push_back(file);
        trigger("load");
    }

    // Drags the data over the window and drops it there as a file manager does; true when
    // the window took both. The load waits for the drop to end, so the events queued then run.
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

    static constexpr const char* kSpeed80 = "[Setup and hardware control]\r\nSliderPFSspeed=80\r\n";
    static constexpr const char* kBadValue =
        "[Setup and hardware control]\r\nSliderPFSspeed=999\r\nSliderMaxcurrent=7\r\n";
};

TEST_F(OpenProfileTest, ADroppedProfileLoadsAsTheLoadMenuLoadsIt) {
    const QString file = profile("dropped.pcf", kBadValue);
    EXPECT_TRUE(dropUrls({QUrl::fromLocalFile(file)}));
    EXPECT_EQ(title(), "Tessaro - dropped");
    EXPECT_EQ(child<QSlider>("SliderMaxcurrent")->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(script.boxes[0].text.toStdString(), HasSubstr("SliderPFSspeed=999"));
    EXPECT_THAT(recentEntries(), ElementsAre(file));
}

TEST_F(OpenProfileTest, OfSeveralDroppedFilesTheFirstProfileLoads) {
    const QString notes = profile("notes.txt");
    const QString second = profile("second.PCF");
    const QString third = profile("third.pcf");
    EXPECT_TRUE(dropUrls(
        {QUrl::fromLocalFile(notes), QUrl::fromLocalFile(second), QUrl::fromLocalFile(third)}));
    EXPECT_EQ(title(), "Tessaro - second");
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 80);
}

TEST_F(OpenProfileTest, OtherDropsAreRefusedAndChangeNothing) {
    QMimeData text;
    text.setText(profile("as-text.pcf"));
    EXPECT_FALSE(dragAndDrop(text));
    EXPECT_FALSE(dropUrls({QUrl::fromLocalFile(profile("notes.txt"))}));
    EXPECT_FALSE(dropUrls({QUrl(QStringLiteral("https://example.org/shop.pcf"))}));
    EXPECT_FALSE(dropUrls({}));
    EXPECT_EQ(title(), "Tessaro - default");
    EXPECT_THAT(script.boxes, IsEmpty());
    EXPECT_THAT(recentEntries(), IsEmpty());
}

// Qt hands a drop to the innermost widget that takes drops: only the window may.
TEST_F(OpenProfileTest, NoPartOfTheWindowTakesTheDropsForItself) {
    for (QWidget* part : window->findChildren<QWidget*>()) {
        EXPECT_FALSE(part->acceptDrops() && part->window() == window.get())
            << part->metaObject()->className() << " " << part->objectName().toStdString();
    }
}

TEST_F(OpenProfileTest, RecentProfilesAreTheLastFiveLoadedOrSavedMostRecentFirst) {
    EXPECT_FALSE(child<QMenu>("recentProfiles")->isEnabled());
    EXPECT_EQ(child<QMenu>("recentProfiles")->title(), "Recent profiles");
    std::vector<QString> files;
    for (const char* name : {"p1.pcf", "p2.pcf", "p3.pcf", "p4.pcf", "p5.pcf"}) {
        files.push_back(profile(name));
        loadWithTheMenu(files.back());
    }
    QTest::keyClick(child<QSlider>("SliderPFSspeed"), Qt::Key_Right);
    script.files.push_back(fileName("saved & kept.pcf"));
    trigger("Save");
    loadWithTheMenu(files[1]);
    EXPECT_TRUE(child<QMenu>("recentProfiles")->isEnabled());
    EXPECT_THAT(recentEntries(),
                ElementsAre(files[1], fileName("saved & kept.pcf"), files[4], files[3], files[2]));
    EXPECT_EQ(child<QAction>("recentProfile2")->text(), "&2 " + fileName("saved && kept.pcf"));
    EXPECT_THAT(script.boxes, IsEmpty());
}

TEST_F(OpenProfileTest, ARecentProfileLoadsAsTheLoadMenuLoadsIt) {
    const QString bad = profile("bad.pcf", kBadValue);
    loadWithTheMenu(bad);
    loadWithTheMenu(profile("other.pcf"));
    script.boxes.clear();
    trigger("recentProfile2");
    EXPECT_EQ(title(), "Tessaro - bad");
    EXPECT_EQ(child<QSlider>("SliderMaxcurrent")->value(), 7);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(recentEntries(), ElementsAre(bad, fileName("other.pcf")));
}

TEST_F(OpenProfileTest, ARecentProfileThatHasGoneIsRemovedWithAMessageNamingIt) {
    const QString gone = profile("gone.pcf");
    loadWithTheMenu(gone);
    loadWithTheMenu(profile("kept.pcf"));
    std::filesystem::remove(dir / "gone.pcf");
    trigger("recentProfile2");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script.boxes[0].text, gone + " no longer exists; it is removed from the recent "
                                           "profiles.");
    EXPECT_EQ(title(), "Tessaro - kept");
    EXPECT_THAT(recentEntries(), ElementsAre(fileName("kept.pcf")));
    reopen();
    EXPECT_THAT(recentEntries(), ElementsAre(fileName("kept.pcf")));
}

TEST_F(OpenProfileTest, TheNextRunOpensTheDialogsInTheFolderOfTheLastProfile) {
    std::filesystem::create_directory(dir / "shop");
    const QString file = profile("shop/front.pcf");
    loadWithTheMenu(file);
    reopen();
    EXPECT_THAT(recentEntries(), ElementsAre(file));
    trigger("load");
    trigger("Save");
    EXPECT_THAT(script.fileDialogs,
                ElementsAre("open " + fileName("shop"), "save " + fileName("shop")));
    trigger("recentProfile1");
    EXPECT_EQ(title(), "Tessaro - front");
}

// A folder that has gone since is no place to open a dialog in.
TEST_F(OpenProfileTest, AFolderThatHasGoneFallsBackToTheStartUpFolder) {
    std::filesystem::create_directory(dir / "gone");
    loadWithTheMenu(profile("gone/x.pcf"));
    std::filesystem::remove_all(dir / "gone");
    script.fileDialogs.clear();
    trigger("load");
    EXPECT_THAT(script.fileDialogs, ElementsAre("open " + window->startupDirectory()));
}

} // namespace
} // namespace tessaro::test
