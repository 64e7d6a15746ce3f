// SPDX-License-Identifier: GPL-3.0-or-later
// "show" as a script uses it: load, edit, save, list; and how it refuses bad input.

#include "cli/CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

TEST(ShowCommand, ListingShowsCaptionsEntriesAndModifiedList) {
    const auto r = runCli({"show", "--set", "SliderMaxcurrent=1", "--set", "Charset=12"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Tessaro - default *");
    EXPECT_NE(r.out.find("   Dynamic Division : 1 Black Byte\n"), std::string::npos);
    EXPECT_NE(r.out.find("   International Character Set: Latine America \n"), std::string::npos);
    EXPECT_NE(r.out.find("   Paper Loading Pause : 0 sec\n"), std::string::npos);
    EXPECT_NE(r.out.find("   Print Mode: Height Simple, Width Simple, Underligned No\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("   MarkLength: Continuous paper feed mode\n"
                         "   Continuous paper Feed Mode: checked\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("List of modified parameters:\n"
                         "Setup and hardware control\n"
                         "   GS / n : Set print speed / max current\n\n"
                         "Text and General commands\n"
                         "   ESC R n : Select international char set\n\n"),
              std::string::npos)
        << r.out;
}

TEST(ShowCommand, SaveThenLoadRoundTrip) {
    TempDir dir;
    const auto file = (dir / "line.pcf").string();
    const auto saved = runCli({"show", "--set", "SliderLinespacing=5", "--set", "ENContPaper=False",
                               "--set", "SliderMarkLength=40", "--save", file});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(readFile(file), "[Text and general commands]\r\nSliderLinespacing=5\r\n"
                              "[Hole and black mark detection commands]\r\n"
                              "SliderMarkLength=40\r\nENContPaper=False\r\n");
    const auto loaded = runCli({"show", file, "--bytes"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(loaded.out, "1D 4C 28\n1B 33 05\n1B 73\n");
    const auto listed = runCli({"show", file});
    EXPECT_EQ(listed.out.substr(0, listed.out.find('\n')), "Tessaro - line");
}

// Refused, the unknown key pointing to "keys", and nothing written.
TEST(ShowCommand, BadEditIsRefusedAndNothingIsWritten) {
    TempDir dir;
    const auto file = (dir / "out.pcf").string();
    for (const std::string set :
         {"NoSuchKey=1", "SliderMaxcurrent=33", "SliderMaxcurrent=x", "Charset=13", "height2=False",
          "ENContPaper=maybe", "SliderMarkLength=30", "novalue"}) {
        const auto r = runCli({"show", "--set", "SliderAutosleep=3", "--set", set, "--save", file});
        EXPECT_EQ(r.status, 2) << set;
        EXPECT_FALSE(r.err.empty()) << set;
        EXPECT_FALSE(std::filesystem::exists(file)) << set;
    }
    const auto locked = runCli({"show", "--set", "irda=1", "--set", "serialhandshake=0"});
    EXPECT_EQ(locked.status, 2);
    EXPECT_THAT(locked.err, HasSubstr("serialhandshake is disabled"));
    EXPECT_THAT(runCli({"show", "--set", "NoSuchKey=1"}).err,
                HasSubstr("unknown key \"NoSuchKey\" (tessaro-cli keys lists them)"));
}

TEST(ShowCommand, FileProblemsAndBadUsageExitWithTwo) {
    TempDir dir;
    const auto missing = runCli({"show", (dir / "missing.pcf").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("missing.pcf: No such file or directory"));
    const auto directory = runCli({"show", dir.path().string()});
    EXPECT_EQ(directory.status, 2);
    EXPECT_THAT(directory.err, HasSubstr(dir.path().string()));
    EXPECT_EQ(runCli({"show", "--chipset", "12"}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
    EXPECT_EQ(runCli({}).status, 2);
    const auto help = runCli({"show", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("--bytes"));
}

TEST(ShowCommand, SkippedKeysAreReportedOnceAndTheRestApplied) {
    TempDir dir;
    const auto file = dir.write("bad.pcf", "[Setup and hardware control]\r\n"
                                           "SliderMaxcurrent=7\r\nSliderIntensity=2.5\r\n"
                                           "SlidAccel=900\r\n");
    const auto r = runCli({"show", file.string(), "--bytes"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1D 4C 00\n1D 2F 07\n1B 73\n");
    EXPECT_THAT(r.err, HasSubstr(file.string()));
    EXPECT_THAT(r.err, HasSubstr("SliderIntensity=2.5"));
    EXPECT_THAT(r.err, HasSubstr("SlidAccel=900"));
}

TEST(ShowCommand, ReadOnlyTargetIsRefusedWithTheSystemText) {
    TempDir dir;
    const auto file = dir.write("keep.pcf", "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const auto r = runCli({"show", "--set", "SliderMaxcurrent=9", "--save", file.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, file.string() + " is read only !\n");
    EXPECT_EQ(readFile(file), "old");
}

} // namespace
} // namespace tessaro::test
