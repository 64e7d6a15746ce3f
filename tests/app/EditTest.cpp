// SPDX-License-Identifier: GPL-3.0-or-later
// Edits in the window go to the workspace, and the window shows the workspace's state.

#include "WindowFixture.h"
#include "app/TwoRowTabWidget.h"
#include "workspace/Catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gmock/gmock.h>

namespace tessaro::test {
namespace {

namespace ws = workspace;
using ::testing::HasSubstr;

class EditTest : public WindowFixture {
  protected:
    std::string list() const { return modifiedList().toStdString(); }
};

TEST_F(EditTest, UserSliderMoveMarksTheWorkspaceModified) {
    auto* slider = child<QSlider>("SliderPFSspeed");
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(window->workspace().value(ws::controlId("SliderPFSspeed")), 63);
    EXPECT_EQ(caption("PFSspeed"), "Max Printing Speed : 63 mm/s");
    EXPECT_EQ(title(), "Tessaro - default *");
    EXPECT_THAT(list(), HasSubstr("Setup and hardware control\n"));
    EXPECT_THAT(list(), HasSubstr("GS s n1 n2 : Set maximum print out speed"));

    auto* intensity = child<QSlider>("SliderIntensity");
    QTest::keyClick(intensity, Qt::Key_PageUp);
    EXPECT_EQ(intensity->value(), 5); // one page step
    EXPECT_EQ(caption("Intensity"), "Intensity : 5%");
    EXPECT_EQ(title(), "Tessaro - default *"); // marked once only
}

TEST_F(EditTest, EnablingIrLocksTheHandshakeOnDsrDtr) {
    auto* handshake = child<QComboBox>("serialhandshake");
    auto* irda = child<QComboBox>("irda");
    QTest::keyClick(handshake, Qt::Key_Up);
    ASSERT_EQ(handshake->currentText(), "Xon-Xoff");
    EXPECT_EQ(window->workspace().serial().handshake, 0);

    QTest::keyClick(irda, Qt::Key_Down);
    EXPECT_EQ(irda->currentText(), "IR Enable");
    EXPECT_EQ(handshake->currentText(), "DSR/DTR Mode");
    EXPECT_FALSE(handshake->isEnabled());
    EXPECT_EQ(window->workspace().serial().ir, 8);

    QTest::keyClick(irda, Qt::Key_Up);
    EXPECT_TRUE(handshake->isEnabled());
    EXPECT_EQ(handshake->currentText(), "DSR/DTR Mode");
    EXPECT_THAT(list(), HasSubstr("GS B n : Serial communication settings"));
}

TEST_F(EditTest, ContinuousPaperBoxFreesTheMarkLengthSlider) {
    child<app::TwoRowTabWidget>("SSTab1")->setCurrentIndex(3);
    QApplication::processEvents();
    auto* box = child<QCheckBox>("ENContPaper");
    auto* slider = child<QSlider>("SliderMarkLength");
    const QPoint onTheBox(box->height() / 2, box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, onTheBox);
    EXPECT_FALSE(window->workspace().continuousPaper());
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(caption("MarkLengthCap"), "MarkLength : 2.5 mm");
    EXPECT_EQ(title(), "Tessaro - default *");
    EXPECT_THAT(list(), HasSubstr("GS L n : Set mark length"));

    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(caption("MarkLengthCap"), "MarkLength : 2.625 mm");
    QTest::mouseClick(box, Qt::LeftButton, {}, onTheBox);
    EXPECT_TRUE(box->isChecked());
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(slider->value(), 21); // parked where it stood
}

TEST_F(EditTest, OptionsAndListsGoToTheWorkspace) {
    child<app::TwoRowTabWidget>("SSTab1")->setCurrentIndex(1);
    QApplication::processEvents();
    QTest::mouseClick(child<QRadioButton>("height2"), Qt::LeftButton);
    EXPECT_EQ(window->workspace().value(ws::controlId("height2")), 1);
    EXPECT_EQ(window->workspace().value(ws::controlId("height1")), 0);
    EXPECT_FALSE(child<QRadioButton>("height1")->isChecked());
    EXPECT_EQ(window->workspace().printMode().height, 0x10);
    EXPECT_THAT(list(), HasSubstr("ESC ! n : Set print mode"));

    QTest::keyClick(child<QComboBox>("Charset"), Qt::Key_Down);
    EXPECT_EQ(window->workspace().value(ws::controlId("Charset")), 1);
    EXPECT_THAT(list(), HasSubstr("ESC R n : Select international char set"));
}

// What the program changes in the workspace (a load, the printer side) shows on refresh(); a
// slider it sets leaves the workspace unmarked.
TEST_F(EditTest, ViewFollowsTheWorkspaceAfterItChanges) {
    window->workspace().setSlider(ws::controlId("SliderPFSspeed"), 80, ws::ChangeSource::Program);
    window->refresh();
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 80);
    EXPECT_EQ(caption("PFSspeed"), "Max Printing Speed : 80 mm/s");
    EXPECT_EQ(title(), "Tessaro - default");
    EXPECT_TRUE(modifiedList().isEmpty());

    window->workspace().selectOption(ws::controlId("width4"));
    window->workspace().selectListEntry(ws::controlId("Barcodeori"), 1);
    window->refresh();
    EXPECT_TRUE(child<QRadioButton>("width4")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("width1")->isChecked());
    EXPECT_EQ(child<QComboBox>("Barcodeori")->currentText(), "Vertical");
    EXPECT_EQ(title(), "Tessaro - default *");
}

TEST_F(EditTest, FactoryReloadFromTheMenuRestoresTheFactoryValues) {
    QTest::keyClick(child<QSlider>("SliderPFSspeed"), Qt::Key_End);
    QTest::keyClick(child<QComboBox>("irda"), Qt::Key_Down);
    ASSERT_EQ(title(), "Tessaro - default *");

    trigger("defaultparam");
    EXPECT_EQ(child<QSlider>("SliderPFSspeed")->value(), 62);
    EXPECT_EQ(caption("PFSspeed"), "Max Printing Speed : 62 mm/s");
    EXPECT_EQ(child<QComboBox>("irda")->currentText(), "IR Disable");
    EXPECT_TRUE(child<QComboBox>("serialhandshake")->isEnabled());
    EXPECT_EQ(title(), "Tessaro - default");
    EXPECT_EQ(modifiedList(), app::displayText(window->workspace().modifiedListText()));
}

} // namespace
} // namespace tessaro::test
