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

link::PortRef at(const char* text) {
    return *link::PortRef::parse(text);
}

class RememberedSettingsTest : public ::testing::Test {
  protected:
    QString file() const { return app::fromPath(dir / "Tessaro.conf"); }
    QString profile(const std::string& name) const { return app::fromPath(dir / name); }
    TempDir dir;
};

TEST_F(RememberedSettingsTest, TheNextRunHasThePortTheFolderAndTheLastFiveProfiles) {
    {
        Remembered first(file());
        first.setPort({at("tcp://printer.example:9101"), "19200", 0});
        first.setProfileFolder(app::fromPath(dir.path()));
        for (const char* name :
             {"1.pcf", "2, with comma.pcf", "3.pcf", "4.pcf", "5.pcf", "6.pcf", "3.pcf"}) {
            first.addRecentProfile(profile(name));
        }
        first.removeRecentProfile(profile("5.pcf"));
    }
    Remembered next(file());
    EXPECT_EQ(next.port(), (Remembered::Port{at("tcp://printer.example:9101"), "19200", 0}));
    EXPECT_EQ(next.profileFolder(), app::fromPath(dir.path()));
    EXPECT_THAT(next.recentProfiles(), ElementsAre(profile("3.pcf"), profile("6.pcf"),
                                                   profile("4.pcf"), profile("2, with comma.pcf")));
}

TEST_F(RememberedSettingsTest, TheNextStationHasTheLastPortsRepeatLogProfileAndLabel) {
    const Remembered::Station station{{at("COM2"), at("tcp://printer.example:9101"), at("USB1")},
                                      true,
                                      profile("logs/audit.jsonl"),
                                      profile("job.pcf"),
                                      "Order 4711, line 2"};
    Remembered(file()).setStation(station);
    EXPECT_EQ(Remembered(file()).station(), station);

    // A hand-edited station: a port given twice or blank, a repeat that is not "true", a
    // relative log.
    dir.write("Tessaro.conf",
              "[station]\nports=COM1, , COM1, LPT2\nrepeat=perhaps\nlog=audit.jsonl\n"
              "profile=job.pcf\n");
    EXPECT_EQ(Remembered(file()).station(),
              (Remembered::Station{{at("COM1"), at("LPT2")}, false, "", "", ""}));
}

TEST_F(RememberedSettingsTest, NothingIsWrittenWhenNothingChanged) {
    Remembered remembered(file());
    const Remembered::Port port{at("COM2"), "9600", 1};
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

std::vector<QString> warnings;

// A place no one can write to, not even root: below a plain file.
TEST_F(RememberedSettingsTest, AnUnwritableFileCostsTheRememberingAndOneWarningOnly) {
    dir.write("plain", "not a folder");
    const QString unwritable = app::fromPath(dir / "plain" / "Tessaro.conf");
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg) {
                warnings.push_back(text);
            }
        });
    Remembered remembered(unwritable);
    remembered.setPort({at("LPT1"), "9600", 1});
    remembered.setProfileFolder(app::fromPath(dir.path()));
    remembered.addRecentProfile(profile("a.pcf"));
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0].toStdString(), HasSubstr(unwritable.toStdString() + ": access denied"));
    EXPECT_EQ(remembered.port()->port, at("LPT1")); // the run goes on remembering in memory
    EXPECT_THAT(remembered.recentProfiles(), ElementsAre(profile("a.pcf")));
}

TEST_F(RememberedSettingsTest, AHandEditedFileGivesFewerValuesNeverWrongOnes) {
    const std::string a = (dir / "a.pcf").string();
    dir.write("Tessaro.conf", "[port]\nname=\nspeed=fast\n[profiles]\nfolder=relative\n"
                              "recent=" +
                                  a + ", b.pcf, " + a + "\n");
    Remembered remembered(file());
    EXPECT_FALSE(remembered.port());
    EXPECT_TRUE(remembered.profileFolder().isEmpty());
    EXPECT_THAT(remembered.recentProfiles(), ElementsAre(profile("a.pcf")));
}

} // namespace
} // namespace tessaro::test
