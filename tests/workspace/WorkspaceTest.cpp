// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the workspace: apply steps, flags, the title and the list of modified parameters.

#include "workspace/Workspace.h"

#include <gtest/gtest.h>

namespace tessaro::workspace {
namespace {

class WorkspaceTest : public ::testing::Test {
  protected:
    WorkspaceTest() { ws.startUp(); }
    ControlId id(std::string_view key) const { return controlId(key); }
    void userSlider(std::string_view key, int v) { ws.setSlider(id(key), v, ChangeSource::User); }

    Workspace ws;
};

TEST_F(WorkspaceTest, ProgramSetSliderAppliesWithoutMarking) {
    ws.setSlider(id("SliderMaxcurrent"), 1, ChangeSource::Program);
    EXPECT_TRUE(ws.isModified(Param::Maxcurrent));
    EXPECT_FALSE(ws.hasUnsavedChanges());
    EXPECT_EQ(ws.modifiedListText(), "");
    ws.setSlider(id("SliderMaxcurrent"), 99, ChangeSource::Program); // clamped like a slider
    EXPECT_EQ(ws.value(id("SliderMaxcurrent")), 32);
}

TEST_F(WorkspaceTest, FactoryReloadLeavesOnlyTheMarkLengthFlag) {
    ws.rebuildTitle("abc");
    ws.selectListEntry(id("irda"), 1);
    userSlider("SliderPLlength", 100);
    ws.selectOption(id("width2"));
    ws.setContinuousPaper(false);
    for (int round = 0; round < 2; ++round) {
        ws.defaultparam_Click();
        EXPECT_EQ(ws.title(), "Tessaro - default");
        EXPECT_FALSE(ws.hasUnsavedChanges());
        EXPECT_EQ(ws.modifiedListText(), "Hole and black mark detection commands\r\n"
                                         "   GS L n : Set mark length\r\n\r\n");
        EXPECT_TRUE(ws.isEnabled(id("serialhandshake")));
        EXPECT_EQ(ws.serial().ir, 0);
        EXPECT_EQ(ws.value(id("width1")), 1);
        EXPECT_EQ(ws.arguments(Param::PLlength), twoBytes(320));
        EXPECT_TRUE(ws.continuousPaper());
    }
}

TEST_F(WorkspaceTest, ModifiedListKeepsGroupOrderNotEditOrder) {
    userSlider("SliderMarkLength", 20); // disabled in the window, still a valid model edit
    ws.selectListEntry(id("Rotated"), 1);
    userSlider("SliderAutosleep", 1);
    userSlider("SliderMaxcurrent", 2);
    ws.selectListEntry(id("Internalfont"), 1);
    EXPECT_EQ(ws.modifiedListText(), "Setup and hardware control\r\n"
                                     "   GS / n : Set print speed / max current\r\n"
                                     "   ESC A n : Set the autosleep time\r\n\r\n"
                                     "Text and General commands\r\n"
                                     "   ESC % n : Select internal font\r\n"
                                     "   ESC { n : Set/reset rotated characters\r\n\r\n"
                                     "Hole and black mark detection commands\r\n"
                                     "   GS L n : Set mark length\r\n\r\n");
}

} // namespace
} // namespace tessaro::workspace
