// SPDX-License-Identifier: GPL-3.0-or-later
// Every parameter reaches everywhere it must: a change to it is flagged, listed under its
// page's heading, saved under its section with all its keys, loaded back, sent as exactly
// its command with its argument length, and understood by the virtual printer.

#include "protocol/CommandBytes.h"
#include "sim/CommandParser.h"
#include "support/TempDir.h"
#include "workspace/ConfigFile.h"
#include "workspace/ProfileKeys.h"
#include "workspace/TextFile.h"

#include <gtest/gtest.h>
#include <set>

namespace tessaro::workspace {
namespace {

// Moves the first control of the parameter away from its factory value, as a user would.
void changeParameter(Workspace& ws, Param p) {
    for (ControlId id = 0; id < controls().size(); ++id) {
        const ControlSpec& c = control(id);
        if (c.param != p) {
            continue;
        }
        switch (c.kind) {
        case ControlKind::Slider:
            ws.setSlider(id, c.factory == c.max ? c.min : c.max, ChangeSource::User);
            return;
        case ControlKind::List:
            ws.selectListEntry(id, c.factory == c.max ? c.min : c.factory + 1);
            return;
        case ControlKind::Option:
            if (c.factory == 0) {
                ws.selectOption(id);
                return;
            }
            break;
        case ControlKind::CheckBox:
            ws.setContinuousPaper(c.factory == 0);
            return;
        }
    }
    FAIL() << "no control changes parameter " << index(p);
}

class ParameterCoverage : public ::testing::TestWithParam<std::size_t> {
  protected:
    ParameterCoverage() { ws.startUp(); }

    Workspace ws;
    test::TempDir dir;
};

TEST_P(ParameterCoverage, ReachesListProfileCommandAndPrinter) {
    const ParameterRow& row = kParameters[GetParam()];
    SCOPED_TRACE(std::string(row.statusText));
    changeParameter(ws, row.param);
    for (const ParameterRow& other : kParameters) {
        EXPECT_EQ(ws.isModified(other.param), other.param == row.param) << other.statusText;
    }

    const TabRow& page = tabRow(row.tab);
    EXPECT_EQ(ws.modifiedListText(),
              std::string(page.listHeading) + "\r\n" + std::string(row.listLine) + "\r\n\r\n");

    const auto file = dir / "one.pcf";
    ASSERT_TRUE(Save_ConfigToFile(ws, file).ok());
    const std::string saved = test::readFile(file);
    EXPECT_NE(saved.find("[" + std::string(page.section) + "]"), std::string::npos) << saved;
    std::set<std::string_view> keys;
    for (const ProfileRow& profile : profileRows()) {
        if (profile.param == row.param) {
            keys.insert(profile.keys.begin(), profile.keys.end());
        }
    }
    for (const ControlSpec& c : controls()) {
        if (c.param == row.param && c.kind != ControlKind::CheckBox) {
            EXPECT_TRUE(keys.contains(c.key)) << c.key;
            EXPECT_NE(saved.find(std::string(c.key) + "="), std::string::npos) << c.key;
        }
    }

    Workspace loaded;
    loaded.startUp();
    const LoadReport report = LoadConfig(loaded, file);
    EXPECT_TRUE(report.skipped.empty());
    EXPECT_TRUE(loaded.isModified(row.param));
    for (ControlId id = 0; id < controls().size(); ++id) {
        EXPECT_EQ(loaded.value(id), ws.value(id)) << control(id).key;
    }

    const auto commands = protocol::composeCommands(ws, false, {true, 5, "9600"});
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].row, &row);
    ASSERT_EQ(commands[0].bytes.size(), 2u + static_cast<std::size_t>(row.argumentBytes));
    EXPECT_EQ(commands[0].bytes.substr(0, 2), row.code());

    sim::CommandParser parser;
    std::optional<sim::Command> parsed;
    for (const char byte : commands[0].bytes) {
        EXPECT_FALSE(parsed.has_value()) << "the printer took the command before its end";
        parsed = parser.feed(byte);
    }
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->row, &row);
    EXPECT_EQ(parsed->argument, commands[0].bytes.substr(2));
}

INSTANTIATE_TEST_SUITE_P(EveryParameter, ParameterCoverage,
                         ::testing::Range<std::size_t>(0, kParamCount));

// Two rows with one command would be parsed as the first of them above; the bytes of each
// slider's argument are checked by "show --bytes".
TEST(ParameterTable, EachControlSitsOnItsParametersPage) {
    for (const ParameterRow& row : kParameters) {
        for (const ControlSpec& c : controls()) {
            if (c.param == row.param) {
                const auto frame = findFrame(c.frame);
                ASSERT_TRUE(frame.has_value()) << c.key;
                EXPECT_EQ(frames()[*frame].tab, row.tab) << c.key;
            }
        }
    }
}

} // namespace
} // namespace tessaro::workspace
