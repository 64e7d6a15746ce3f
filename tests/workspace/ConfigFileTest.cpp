// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving .pcf profiles through the workspace.

#include "workspace/ConfigFile.h"

#include "message/English.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tessaro::workspace {
namespace {

using test::readFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// What a report says, in English; "" when it says nothing.
std::string english(const std::optional<message::Message>& said) {
    return said ? message::english(*said) : std::string();
}

std::vector<std::string> english(const std::vector<message::Message>& said) {
    std::vector<std::string> texts;
    for (const message::Message& each : said) {
        texts.push_back(message::english(each));
    }
    return texts;
}

class ConfigFileTest : public ::testing::Test {
  protected:
    ConfigFileTest() { ws.startUp(); }
    ControlId id(std::string_view key) const { return controlId(key); }
    LoadReport load(const std::string& name, const std::string& content) {
        return LoadConfig(ws, dir.write(name, content));
    }

    test::TempDir dir;
    Workspace ws;
};

TEST_F(ConfigFileTest, SaveWritesOnlyFlaggedKeysInTableOrder) {
    ws.setSlider(id("SliderMaxcurrent"), 5, ChangeSource::User);
    ws.selectListEntry(id("serialspeed"), 3);
    ws.clearUnsavedChanges();
    ws.MarkWorkspaceModified();
    const auto file = dir / "two.pcf";
    const SaveReport report = Save_ConfigToFile(ws, file);
    EXPECT_EQ(report.status, SaveReport::Status::Saved);
    EXPECT_EQ(readFile(file), "[Setup and hardware control]\r\nSliderMaxcurrent=5\r\n"
                              "serialspeed=3\r\nserialhandshake=1\r\nirda=0\r\n");
    EXPECT_EQ(ws.title(), "Tessaro -  two");
    EXPECT_EQ(ws.configName(), "two");
    EXPECT_FALSE(ws.hasUnsavedChanges());
}

TEST_F(ConfigFileTest, RoundTripKeepsEveryKindOfControl) {
    ws.setSlider(id("SliderTOFpos"), -4095, ChangeSource::User);
    ws.selectListEntry(id("irda"), 1);
    ws.selectOption(id("height2"));
    ws.selectOption(id("underyes"));
    ws.selectListEntry(id("Barcodepos"), 1);
    ws.setContinuousPaper(false);
    ws.setSlider(id("SliderMarkLength"), 44, ChangeSource::User);
    const auto file = dir / "all.PCF";
    ASSERT_TRUE(Save_ConfigToFile(ws, file).ok());

    Workspace other;
    other.startUp();
    const LoadReport report = LoadConfig(other, file);
    EXPECT_EQ(report.status, LoadReport::Status::Loaded);
    EXPECT_TRUE(report.skipped.empty());
    for (ControlId c = 0; c < controls().size(); ++c) {
        EXPECT_EQ(other.value(c), ws.value(c)) << control(c).key;
    }
    EXPECT_EQ(other.arguments(Param::MarkLength), oneByte(44));
    EXPECT_EQ(other.title(), "Tessaro - all");
    EXPECT_FALSE(other.hasUnsavedChanges());
    EXPECT_EQ(other.modifiedListText(), ws.modifiedListText());
}

TEST_F(ConfigFileTest, FilesWithoutTheBoxKeyLoadAsContinuousPaper) {
    load("old.pcf", "[hole AND black mark detection commands]\nSliderMarkLength=30\n");
    EXPECT_TRUE(ws.continuousPaper());
    EXPECT_EQ(ws.value(id("SliderMarkLength")), 30);
    EXPECT_EQ(ws.arguments(Param::MarkLength), oneByte(0));
}

TEST_F(ConfigFileTest, BarcodeSectionKeepsItsLeadingT) {
    load("b.pcf", "[Barcode commands]\r\nBarcodeori=1\r\n[TBarcode commands]\r\nBarcodepos=0\r\n");
    EXPECT_EQ(ws.value(id("Barcodeori")), 0);
    EXPECT_EQ(ws.value(id("Barcodepos")), 0);
    EXPECT_TRUE(ws.isModified(Param::Barcodepos));
    EXPECT_FALSE(ws.isModified(Param::Barcodeori));
}

// The print mode is taken with height1 and the whole of it; keys without height1 are named.
TEST_F(ConfigFileTest, PrintModeNeedsHeight1AndAComplete) {
    const std::string section = "[Text and general commands]\r\n";
    const LoadReport missing = load("mode.pcf", section + "height2=True\r\nunderyes=True\r\n");
    EXPECT_THAT(english(missing.skipped), ElementsAre("height2=True (height1 is missing)",
                                                      "underyes=True (height1 is missing)"));
    EXPECT_THAT(english(missing.warning), HasSubstr("height2=True"));
    EXPECT_NE(ws.value(id("height1")), 0); // the factory print mode stays
    EXPECT_FALSE(ws.isModified(Param::PrintMode));

    const LoadReport partial = load("b.pcf", section + "height1=True\r\n");
    EXPECT_EQ(ws.value(id("height1")), 1);
    EXPECT_FALSE(ws.isModified(Param::PrintMode));
    ASSERT_EQ(partial.skipped.size(), 1u);
    EXPECT_THAT(message::english(partial.skipped[0]), HasSubstr("print mode"));

    load("c.pcf", section + "height1=false\r\nheight2=FALSE\r\nheight4=true\r\nwidth1=False\r\n"
                            "width2=True\r\nwidth4=False\r\nunderyes=True\r\nunderno=False\r\n");
    EXPECT_EQ(ws.printMode().height, 0x02);
    EXPECT_EQ(ws.printMode().width, 0x20);
    EXPECT_EQ(ws.printMode().underline, 0x80);
    EXPECT_TRUE(ws.isModified(Param::PrintMode));
}

TEST_F(ConfigFileTest, BadValuesAreSkippedAndReportedTogether) {
    const LoadReport report = load(
        "bad.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=0\r\nSliderIntensity=-61\r\n"
                   "SlidAccel=12abc\r\nSliderPFSspeed=99999999999\r\nserialspeed=9\r\n"
                   "SliderAutosleep=+9\r\n[Hole and black mark detection commands]\r\n"
                   "ENContPaper=yes\r\nSliderTOFpos=-7\r\n");
    EXPECT_THAT(english(report.skipped),
                ElementsAre("SliderMaxcurrent=0", "SliderIntensity=-61", "SlidAccel=12abc",
                            "SliderPFSspeed=99999999999", "serialspeed=9", "ENContPaper=yes"));
    EXPECT_THAT(english(report.warning), HasSubstr((dir / "bad.pcf").string()));
    EXPECT_EQ(ws.value(id("SliderAutosleep")), 9);
    EXPECT_EQ(ws.value(id("SliderTOFpos")), -7);
    EXPECT_EQ(ws.value(id("SliderMaxcurrent")), 5);
    EXPECT_FALSE(ws.isModified(Param::Maxcurrent));
}

TEST_F(ConfigFileTest, ConfigurationNameComesFromTheFileTitle) {
    load("abc.pcf", "");
    EXPECT_EQ(ws.title(), "Tessaro - abc");
    load("ab", "");
    EXPECT_EQ(ws.title(), "Tessaro - ab");
    load("notes.txt", "");
    EXPECT_EQ(ws.configName(), "notes.txt");
    const auto missing = LoadConfig(ws, dir / "gone.pcf");
    EXPECT_EQ(missing.status, LoadReport::Status::Missing);
    EXPECT_EQ(ws.title(), "Tessaro - gone");
}

TEST_F(ConfigFileTest, GarbageNeverCrashesAndKeysAfterItStillCount) {
    std::string garbage;
    for (int i = 0; i < 200000; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    garbage += std::string(100000, 'x') + std::string("\0\0=\0\r\n", 6) +
               "\n[TBarcode commands]\nBarcodeori=1";
    load("junk.pcf", garbage);
    EXPECT_EQ(ws.value(id("Barcodeori")), 1);
}

TEST_F(ConfigFileTest, SavingNothingDeletesTheOldFile) {
    ws.clearModifiedFlags();
    const auto file = dir.write("old.pcf", "[x]\r\ny=1\r\n");
    const SaveReport report = Save_ConfigToFile(ws, file);
    EXPECT_EQ(report.status, SaveReport::Status::Empty);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(ws.title(), "Tessaro -  old");
}

TEST_F(ConfigFileTest, FailedSaveKeepsTheOldFileAndNamesThePath) {
    const auto target = dir / "sub";
    std::filesystem::create_directory(target);
    ws.setSlider(id("SliderMaxcurrent"), 9, ChangeSource::User);
    const SaveReport onDirectory = Save_ConfigToFile(ws, target);
    EXPECT_EQ(onDirectory.status, SaveReport::Status::Failed);
    EXPECT_THAT(english(onDirectory.message), HasSubstr(target.string()));
    EXPECT_TRUE(std::filesystem::is_directory(target));

    const auto nowhere = dir / "no" / "such" / "x.pcf";
    const SaveReport noFolder = Save_ConfigToFile(ws, nowhere);
    EXPECT_EQ(noFolder.status, SaveReport::Status::Failed);
    EXPECT_THAT(english(noFolder.message), HasSubstr("No such file or directory"));
    EXPECT_EQ(ws.title(), "Tessaro - default *"); // a failed save changes nothing
}

// A link of the user's own is followed; one another user owns (when the test may give it
// away: as root) is not.
TEST_F(ConfigFileTest, SaveReplacesTheFileThroughALinkAndKeepsItsMode) {
    const auto real = dir.write("real.pcf", "stale=1\r\n");
    std::filesystem::permissions(real, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const auto link = dir / "link.pcf";
    std::filesystem::create_symlink(real, link);
    ws.setContinuousPaper(true);
    ASSERT_TRUE(Save_ConfigToFile(ws, link).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_THAT(readFile(real), HasSubstr("SliderMarkLength=20"));
    EXPECT_THAT(readFile(real), ::testing::Not(HasSubstr("stale")));
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);

    const auto victim = dir.write("victim.pcf", "keep\r\n");
    const auto planted = dir / "planted.pcf";
    std::filesystem::create_symlink(victim, planted);
    if (::lchown(planted.c_str(), 65534, 65534) == 0) {
        const SaveReport report = Save_ConfigToFile(ws, planted);
        EXPECT_EQ(report.status, SaveReport::Status::Failed);
        EXPECT_THAT(english(report.message), HasSubstr("another user"));
        EXPECT_EQ(readFile(victim), "keep\r\n");
    }
}

TEST_F(ConfigFileTest, ProfilesSavedAsUtf16LoadAsAnyOther) {
    const std::string text = "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char c : text) {
        little += {c, '\0'};
        big += {'\0', c};
    }
    for (const auto& [name, content] : {std::pair{"le.pcf", little}, std::pair{"be.pcf", big}}) {
        const LoadReport report = load(name, content);
        EXPECT_TRUE(report.profileSections) << name;
        EXPECT_TRUE(report.skipped.empty()) << name;
        EXPECT_EQ(ws.value(id("SliderMaxcurrent")), 9) << name;
    }
}

TEST_F(ConfigFileTest, AFileWithoutProfileSectionsIsToldApart) {
    EXPECT_FALSE(load("random.pcf", std::string("\x01\x9A[x]\xFF=\n", 8)).profileSections);
    EXPECT_TRUE(load("empty.pcf", " \r\n").empty);
    EXPECT_TRUE(load("case.pcf", "[text AND general commands]\r\n").profileSections);
}

TEST_F(ConfigFileTest, SaveRemovesItsOwnStaleTemporaryFilesOnly) {
    const auto stale = dir.write(".job.pcf.Ab12Cd", "half");
    const auto fresh = dir.write(".job.pcf.Zz99Yy", "under way");
    const auto foreign = dir.write(".bashrc.Ab12Cd", "not ours");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    std::filesystem::last_write_time(stale, old);
    std::filesystem::last_write_time(foreign, old);
    ws.setContinuousPaper(true);
    ASSERT_TRUE(Save_ConfigToFile(ws, dir / "job.pcf").ok());
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_TRUE(std::filesystem::exists(foreign));
}

} // namespace
} // namespace tessaro::workspace
