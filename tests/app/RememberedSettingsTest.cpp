// SPDX-License-Identifier: GPL-3.0-or-later
// What the window remembers between runs, in a settings file of the test's own.

#include "app/RememberedSettings.h"

#include "app/DisplayText.h"
#include "support/TempDir.h"

#include <QString>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Remembered = app::RememberedSettings;

std::vector<QString>* capturedWarnings = nullptr;

void captureWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && capturedWarnings != nullptr) {
        capturedWarnings->push_back(text);
    }
}

// The warnings Qt's logging receives while it lives.
class WarningCapture {
  public:
    WarningCapture() : previous_(qInstallMessageHandler(captureWarning)) {
        capturedWarnings = &warnings;
    }
    WarningCapture(const WarningCapture&) = delete;
    WarningCapture& operator=(const WarningCapture&) = delete;
    ~WarningCapture() {
        qInstallMessageHandler(previous_);
        capturedWarnings = nullptr;
    }
    std::vector<QString> warnings;

  private:
    QtMessageHandler previous_;
};

class RememberedSettingsTest : public ::testing::Test {
  protected:
    QString file() const { return app::fromPath(dir / "Tessaro.conf"); }
    QString profile(const std::string& name) const { return app::fromPath(dir / name); }
    TempDir dir;
};

TEST_F(RememberedSettingsTest, ValuesComeBackInTheNextRun) {
    {
        Remembered first(file());
        EXPECT_FALSE(first.port());
        EXPECT_TRUE(first.profileFolder().isEmpty());
        EXPECT_TRUE(first.recentProfiles().isEmpty());
        first.setPort({"tcp://printer.example:9101", "19200", 0});
        first.setProfileFolder(app::fromPath(dir.path()));
        first.addRecentProfile(profile("a.pcf"));
        first.addRecentProfile(profile("b, with comma.pcf"));
    }
    Remembered next(file());
    ASSERT_TRUE(next.port());
    EXPECT_EQ(*next.port(), (Remembered::Port{"tcp://printer.example:9101", "19200", 0}));
    EXPECT_EQ(next.profileFolder(), app::fromPath(dir.path()));
    EXPECT_THAT(next.recentProfiles(), ElementsAre(profile("b, with comma.pcf"), profile("a.pcf")));
}

TEST_F(RememberedSettingsTest, RecentProfilesKeepTheLastFiveMostRecentFirstWithoutRepeats) {
    Remembered remembered(file());
    for (const char* name : {"1.pcf", "2.pcf", "3.pcf", "4.pcf", "5.pcf", "6.pcf", "3.pcf"}) {
        remembered.addRecentProfile(profile(name));
    }
    EXPECT_THAT(remembered.recentProfiles(),
                ElementsAre(profile("3.pcf"), profile("6.pcf"), profile("5.pcf"), profile("4.pcf"),
                            profile("2.pcf")));
    remembered.removeRecentProfile(profile("5.pcf"));
    EXPECT_THAT(remembered.recentProfiles(), ElementsAre(profile("3.pcf"), profile("6.pcf"),
                                                         profile("4.pcf"), profile("2.pcf")));
    EXPECT_EQ(Remembered(file()).recentProfiles(), remembered.recentProfiles());
}

// The file is written when a value changes, and only then.
TEST_F(RememberedSettingsTest, NothingIsWrittenWhenNothingChanged) {
    Remembered remembered(file());
    const Remembered::Port port{"COM2", "9600", 1};
    EXPECT_FALSE(std::filesystem::exists(dir / "Tessaro.conf"));
    remembered.setPort(port);
    remembered.setProfileFolder(app::fromPath(dir.path()));
    remembered.addRecentProfile(profile("a.pcf"));
    remembered.addRecentProfile(profile("b.pcf"));
    ASSERT_TRUE(std::filesystem::remove(dir / "Tessaro.conf"));

    remembered.setPort(port);
    remembered.setProfileFolder(app::fromPath(dir.path()) + "/");
    remembered.addRecentProfile(profile("b.pcf"));
    remembered.removeRecentProfile(profile("never-listed.pcf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Tessaro.conf"));

    remembered.addRecentProfile(profile("a.pcf"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Tessaro.conf"));
}

// A place no one can write to, not even root: below a plain file.
TEST_F(RememberedSettingsTest, AnUnwritableFileCostsTheRememberingAndOneWarningOnly) {
    dir.write("plain", "not a folder");
    const QString unwritable = app::fromPath(dir / "plain" / "Tessaro.conf");
    WarningCapture capture;
    Remembered remembered(unwritable);
    remembered.setPort({"LPT1", "9600", 1});
    remembered.setProfileFolder(app::fromPath(dir.path()));
    remembered.addRecentProfile(profile("a.pcf"));
    ASSERT_EQ(capture.warnings.size(), 1u);
    EXPECT_THAT(capture.warnings[0].toStdString(), HasSubstr(unwritable.toStdString()));
    EXPECT_THAT(capture.warnings[0].toStdString(), HasSubstr("cannot be saved"));
    // The run goes on remembering in memory.
    EXPECT_EQ(remembered.port()->name, "LPT1");
    EXPECT_THAT(remembered.recentProfiles(), ElementsAre(profile("a.pcf")));
}

TEST_F(RememberedSettingsTest, AHandEditedFileGivesFewerValuesNeverWrongOnes) {
    const std::string absolute = dir.path().string();
    dir.write("Tessaro.conf", "[port]\nname=\nspeed=fast\n"
                              "[profiles]\nfolder=relative/folder\n"
                              "recent=" +
                                  absolute + "/a.pcf, b.pcf, " + absolute + "/a.pcf, " + absolute +
                                  "/c.pcf, " + absolute + "/d.pcf, " + absolute + "/e.pcf, " +
                                  absolute + "/f.pcf, " + absolute + "/g.pcf\n");
    Remembered remembered(file());
    EXPECT_FALSE(remembered.port());
    EXPECT_TRUE(remembered.profileFolder().isEmpty());
    EXPECT_THAT(remembered.recentProfiles(),
                ElementsAre(profile("a.pcf"), profile("c.pcf"), profile("d.pcf"), profile("e.pcf"),
                            profile("f.pcf")));
}

} // namespace
} // namespace tessaro::test
