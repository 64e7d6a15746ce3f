// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving profiles through the window's file dialogs.

#include "WindowFixture.h"

#include <QSlider>
#include <QTest>
#include <filesystem>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class FileTest : public WindowFixture {
  protected:
    std::string boxText(std::size_t i) const { return script.boxes.at(i).text.toStdString(); }
    void modify() const { QTest::keyClick(child<QSlider>("SliderPFSspeed"), Qt::Key_Right); }
};

TEST_F(FileTest, LoadAppliesTheFileAndNamesTheWindowAfterIt) {
    dir.write("shop.pcf", "[Setup and hardware control]\r\nSliderPFSspeed=80\r\n");
    script.files.push_back(fileName("shop.pcf"));
    trigger("load");
    EXPECT_THAT(script.fileDialogs, ElementsAre("open " + window->startupDirectory()));
    EXPECT_EQ(title(), "Tessaro - shop");
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 80);
    EXPECT_EQ(caption("PFSspeed"), "Max Printing Speed : 80 mm/s");
    EXPECT_THAT(modifiedList().toStdString(), HasSubstr("Set maximum print out speed"));
    EXPECT_TRUE(script.boxes.empty());
}

// A right-to-left override in a file's name would turn the rest of the title around.
TEST_F(FileTest, TheTitleShowsAFileNameThatCouldDisguiseItselfEscaped) {
    dir.write("shop\u202Efdp.exe.pcf", "[Setup and hardware control]\r\nSliderPFSspeed=80\r\n");
    script.files.push_back(fileName("shop\u202Efdp.exe.pcf"));
    trigger("load");
    EXPECT_EQ(title(), "Tessaro - shop\\u202efdp.exe");
}

TEST_F(FileTest, BadValuesAreReportedInOneWarningAndTheRestLoads) {
    dir.write("bad.pcf", "[Setup and hardware control]\r\nSliderPFSspeed=999\r\n"
                         "SliderMaxcurrent=7\r\nSliderIntensity=dark\r\n");
    script.files.push_back(fileName("bad.pcf"));
    trigger("load");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_THAT(boxText(0), HasSubstr(fileName("bad.pcf").toStdString()));
    EXPECT_THAT(boxText(0), HasSubstr("\n   SliderPFSspeed=999"));
    EXPECT_THAT(boxText(0), HasSubstr("SliderIntensity=dark"));
    EXPECT_THAT(boxText(0), Not(HasSubstr("\r")));
    EXPECT_EQ(child<QSlider>("SliderMaxcurrent")->value(), 7);
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 62);
    EXPECT_EQ(title(), "Tessaro - bad");
}

TEST_F(FileTest, UnreadableFileIsReportedAndTheWorkspaceStays) {
    modify();
    std::filesystem::create_directory(dir / "folder.pcf");
    script.files.push_back(fileName("folder.pcf"));
    trigger("load");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Critical);
    EXPECT_THAT(boxText(0), HasSubstr(fileName("folder.pcf").toStdString()));
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 63);
    EXPECT_EQ(title(), "Tessaro - default *");
}

TEST_F(FileTest, CancelledDialogsChangeNothing) {
    modify();
    trigger("load");
    trigger("Save");
    EXPECT_EQ(script.fileDialogs.size(), 2u);
    EXPECT_EQ(title(), "Tessaro - default *");
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 63);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(FileTest, SaveWritesTheModifiedParametersAndRenamesTheWindow) {
    modify();
    script.files.push_back(fileName("night.pcf"));
    trigger("Save");
    EXPECT_THAT(script.fileDialogs, ElementsAre("save " + window->startupDirectory()));
    EXPECT_THAT(readFile(dir / "night.pcf"), HasSubstr("SliderPFSspeed=63\r\n"));
    EXPECT_EQ(title(), "Tessaro -  night");
    EXPECT_FALSE(window->workspace().hasUnsavedChanges());
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(FileTest, ReadOnlyTargetIsReportedAndLeftAlone) {
    const auto target = dir.write("locked.pcf", "keep\r\n");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);
    modify();
    script.files.push_back(fileName("locked.pcf"));
    trigger("Save");
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(script.boxes[0].text, fileName("locked.pcf") + " is read only !");
    EXPECT_EQ(script.boxes[0].title, "Tessaro");
    EXPECT_EQ(readFile(target), "keep\r\n");
    EXPECT_EQ(title(), "Tessaro - default *");
}

} // namespace
} // namespace tessaro::test
