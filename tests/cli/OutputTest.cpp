// SPDX-License-Identifier: GPL-3.0-or-later
// What tessaro-cli says, and where: results and steps on stdout, every warning, refusal and
// failure once on stderr, device and file text never raw on the terminal, output that could
// not be written never reported as done.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"
#include "support/TextCount.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::Not;

const std::vector<std::string> kNoPorts{
    "TESSARO_COM1=", "TESSARO_COM2=", "TESSARO_COM3=", "TESSARO_COM4=",
    "TESSARO_COM5=", "TESSARO_COM6=", "TESSARO_LPT1=", "TESSARO_LPT2="};

TEST(Output, ASpeedRefusalIsAWarningOnStderrOnce) {
    SimProcess sim({"--chipset", "3.3", "--time-limit", "60"});
    const std::string device = sim.device();
    TempDir dir;
    const auto file = dir.write("fast.pcf", "[Setup and hardware control]\r\nserialspeed=6\r\n"
                                            "serialhandshake=1\r\nirda=0\r\n");
    const auto r = runCli({"send", file.string(), "--port", device, "--yes"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(count(r.err, "It is not possible to configure the baudrate at 38400"), 1u);
    EXPECT_THAT(r.out, Not(HasSubstr("It is not possible")));
    EXPECT_THAT(r.out, HasSubstr("Saving Sequence Successful !\n"));
}

TEST(Output, ResultsAndFailuresEachHaveOneStream) {
    const auto none = runCli({"detect", "--auto"}, kNoPorts);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "No printer found\n");
    EXPECT_THAT(none.err, Not(HasSubstr("No printer found")));
    EXPECT_THAT(none.err, HasSubstr("Trying to wake-up the printer\n"));
    // The search's help names every kind of port it tries.
    const auto help = runCli({"detect", "--help"});
    EXPECT_THAT(help.out, HasSubstr("USB1..USB4"));

    const auto gone = runCli({"detect", "--port", "/nonexistent/ttyUSB7"});
    EXPECT_EQ(gone.status, 3); // the port could not be used
    EXPECT_EQ(gone.out, "");
    EXPECT_EQ(gone.err, "This port does not exist\n/nonexistent/ttyUSB7: no such device\n");
    // A device path is named by its path, not by the COM1 or USB1 it stands in for.
    const auto usb = runCli({"detect", "--port", "/dev/usb/lp97"});
    EXPECT_EQ(usb.err, "This port does not exist\n/dev/usb/lp97: no such device\n");
}

// A send's record without the time it took, which differs from run to run.
std::string withoutDuration(const std::string& out) {
    return std::regex_replace(out, std::regex("\"duration_ms\":[0-9]+"), "");
}

// The window speaks the user's language; the command line, which scripts read, stays English
// whatever the environment says: its texts, its JSON and the bytes it sends.
TEST(Output, TheCommandLineIsTheSameInEveryLanguage) {
    SimProcess sim({"--time-limit", "60"});
    TempDir dir;
    const auto file =
        dir.write("job.pcf", "[Setup and hardware control]\r\nSliderIntensity=10\r\n");
    const std::vector<std::vector<std::string>> commands{
        {"detect", "--port", sim.device()},
        {"show", file.string(), "--bytes"},
        {"keys", "--json"},
        {"send", file.string(), "--port", sim.device(), "--yes", "--json"},
        {"detect", "--auto"},
    };
    for (const auto& command : commands) {
        std::vector<std::string> english{"LANGUAGE=", "LC_ALL=C.UTF-8"};
        english.insert(english.end(), kNoPorts.begin(), kNoPorts.end());
        const auto expected = runCli(command, english);
        for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN"}) {
            std::vector<std::string> environment{std::string("LANGUAGE=") + language,
                                                 std::string("LANG=") + language + ".UTF-8"};
            environment.insert(environment.end(), kNoPorts.begin(), kNoPorts.end());
            const auto shown = runCli(command, environment);
            EXPECT_EQ(shown.status, expected.status) << command.front() << " " << language;
            EXPECT_EQ(withoutDuration(shown.out), withoutDuration(expected.out))
                << command.front() << " " << language;
            EXPECT_EQ(shown.err, expected.err) << command.front() << " " << language;
        }
    }
}

// A printer's identity reaching the terminal escaped is the diagnostics' test.
TEST(Output, AValueGivenToSetIsShownEscaped) {
    const auto set = runCli({"show", "--set", "SliderMaxcurrent=\x1b[31m9"});
    EXPECT_EQ(set.status, 2);
    EXPECT_THAT(set.err, HasSubstr("\\x1b[31m9"));
    EXPECT_EQ(set.err.find('\x1b'), std::string::npos);
}

TEST(Output, OutputThatCannotBeWrittenIsAFailure) {
    TempDir dir;
    const std::string command = shellQuote(TESSARO_CLI_PATH) + " show --bytes >/dev/full 2>" +
                                shellQuote((dir / "err").string());
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 2);
    EXPECT_THAT(readFile(dir / "err"), HasSubstr("No space left on device"));
}

TEST(Output, SendRefusesAFileThatIsNoProfile) {
    SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    TempDir dir;
    std::string noise;
    for (int i = 0; i < 4096; ++i) {
        noise += static_cast<char>((i * 7919 + 13) % 256);
    }
    const auto file = dir.write("noise.pcf", noise);
    const auto r = runCli({"send", file.string(), "--port", device, "--yes"});
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr(file.string() + ": not a profile"));
    EXPECT_EQ(r.out, "");
    // An empty file is the factory settings, and is sent.
    const auto empty =
        runCli({"send", dir.write("empty.pcf", "").string(), "--port", device, "--yes"});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_TRUE(sim.waitFor("ESC s  save -> 00", 2s));
}

TEST(Output, SavingNothingSaysWhichFileWasRemoved) {
    TempDir dir;
    const auto file =
        dir.write("job.pcf", "[Text and general commands]\r\nSliderLinespacing=4\r\n");
    const auto r = runCli({"show", "--save", file.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, file.string() +
                         " was removed: no parameter is modified, and the factory settings need "
                         "no file\n");
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace tessaro::test
