// SPDX-License-Identifier: GPL-3.0-or-later
// What tessaro-cli says of a command line it cannot take, and how every diagnostic is shown:
// a port spelling that is no port is bad usage with the reason; the unknown option is named;
// a port is named once at the start of a line; nothing from the user, a printer or a file
// reaches the terminal raw, not even through the argument parser's own messages.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"
#include "support/TextCount.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Bytes that would drive the terminal: ESC, BEL, CR, and a line break where none was said.
bool rawControl(const std::string& text) {
    return text.find_first_of("\x1b\x07\r") != std::string::npos;
}

// U+202E RIGHT-TO-LEFT OVERRIDE, U+2028 LINE SEPARATOR, U+2066 LEFT-TO-RIGHT ISOLATE.
const std::string kOverride = "\xe2\x80\xae";
const std::string kLineSeparator = "\xe2\x80\xa8";
const std::string kIsolate = "\xe2\x81\xa6";

bool rawDisguise(const std::string& text) {
    return text.find(kOverride) != std::string::npos ||
           text.find(kLineSeparator) != std::string::npos ||
           text.find(kIsolate) != std::string::npos;
}

TEST(Diagnostics, APortSpellingThatIsNoPortIsBadUsageWithItsReason) {
    for (const std::string port : {"tcp://host:abc", "tcp://127.0.0.1:9100:9100", "tcp://::1"}) {
        for (const std::string command : {"detect", "status"}) {
            const auto r = runCli({command, "--port", port});
            EXPECT_EQ(r.status, 2) << command << " " << port << ": " << r.err;
            EXPECT_EQ(r.err, "Not a network printer's address: \"" + port +
                                 "\": use tcp://HOST or tcp://HOST:PORT, PORT from 1 to 65535, "
                                 "an IPv6 HOST in brackets (tcp://[::1]:9100)\n");
        }
    }
    const auto station = runCli({"provision", "job.pcf", "--port", "tcp://host:abc", "--yes"});
    EXPECT_EQ(station.status, 2) << station.err;
}

TEST(Diagnostics, AnUnknownOptionIsNamedBeforeAMissingOne) {
    const auto bogus = runCli({"status", "--bogus"});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_THAT(bogus.err, HasSubstr("The following argument was not expected: --bogus\n"));
    EXPECT_THAT(bogus.err, Not(HasSubstr("required")));
    const auto misspelt = runCli({"send", "job.pcf", "--prot", "COM1"});
    EXPECT_EQ(misspelt.status, 2);
    EXPECT_THAT(misspelt.err,
                HasSubstr("The following arguments were not expected: --prot COM1\n"));
    // Without one, the missing option is what is said.
    const auto missing = runCli({"status"}, {"TESSARO_PORT="});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("--port is required"));
}

TEST(Diagnostics, AStationNamesEachPortOnceAtTheStartOfItsLines) {
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const std::string absent = "/nonexistent/ttyUSB7";
    const auto r = runCli({"provision", profile, "--port", absent, "--yes"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.err, absent + ": This port does not exist\n" + absent + ": no such device\n");
    EXPECT_THAT(r.out, HasSubstr(absent + ": failed (port_absent): This port does not exist\n" +
                                 absent + ": no such device\n"));
    // A port from the environment holding two paths is one port, named once.
    const std::string two = "/nonexistent/a /nonexistent/b";
    const auto env = runCli({"provision", profile, "--yes"}, {"TESSARO_PORT=" + two});
    EXPECT_EQ(env.status, 3) << env.err;
    EXPECT_EQ(count(env.err, two + ": " + two), 0u) << env.err;
    EXPECT_EQ(count(env.err, two + ": no such device\n"), 1u) << env.err;
    // A numbered port's message names its device after it.
    const auto com =
        runCli({"provision", profile, "--port", "COM3", "--yes"}, {"TESSARO_COM3=" + absent});
    EXPECT_THAT(com.err, HasSubstr("\nCOM3 (" + absent + "): no such device\n"));
}

TEST(Diagnostics, TheArgumentParsersMessagesAreEscaped) {
    const auto r = runCli({"detect", "--port", "COM1", "--handshake", "\x1b[31mred\x07"});
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("\\x1b[31mred\\x07"));
    EXPECT_FALSE(rawControl(r.err)) << r.err;
    const auto speed = runCli({"status", "--port", "COM1", "--speed", "96" + kOverride + "00"});
    EXPECT_EQ(speed.status, 2);
    EXPECT_THAT(speed.err, HasSubstr("96\\u202e00"));
    EXPECT_FALSE(rawDisguise(speed.err)) << speed.err;
}

TEST(Diagnostics, APortNameKeepsNoLineBreakInAMessage) {
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const std::string port = (dir / "a\r\nb").string();
    const std::string shown = (dir / "a\\x0d\\x0ab").string();
    const auto detect = runCli({"detect", "--port", port});
    EXPECT_EQ(detect.status, 3);
    EXPECT_EQ(detect.err, "This port does not exist\n" + shown + ": no such device\n");
    const auto station = runCli({"provision", profile, "--port", port, "--yes"});
    EXPECT_EQ(station.status, 3);
    EXPECT_EQ(station.err, shown + ": This port does not exist\n" + shown + ": no such device\n");
    EXPECT_FALSE(rawControl(station.out)) << station.out;
    const auto unknown = runCli({"status", "--port", "COM\r\n9"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("Unknown port \"COM\\x0d\\x0a9\""));
}

TEST(Diagnostics, ALineFeedAPersonTypedForgesNoLine) {
    TempDir dir;
    const std::string forged = "x\nSaving Sequence Successful !\ny.pcf";
    const auto send = runCli({"send", forged, "--port", "COM1", "--yes"});
    EXPECT_EQ(send.status, 2);
    EXPECT_EQ(send.err, "Cannot read x\\x0aSaving Sequence Successful !\\x0ay.pcf: No such file or "
                        "directory\n");
    const auto log = runCli({"send", (dir / "job.pcf").string(), "--port", "COM1", "--yes", "--log",
                             (dir / "a\nb" / "c.jsonl").string()});
    EXPECT_THAT(log.err, HasSubstr("a\\x0ab/c.jsonl"));
    const auto set = runCli({"show", "--set", "SliderIntensity=1\nSaved"});
    EXPECT_EQ(set.status, 2);
    EXPECT_THAT(set.err, HasSubstr("not \"1\\x0aSaved\"\n"));
    const auto title =
        runCli({"show", "--save", (dir / "a\nb.pcf").string(), "--set", "SliderIntensity=1"});
    EXPECT_EQ(title.status, 0) << title.err;
    EXPECT_THAT(title.out, HasSubstr("Tessaro -  a\\x0ab\n")); // the title drops ".pcf"
    for (const auto* r : {&send, &log, &set, &title}) {
        EXPECT_EQ(count(r->err + r->out, "\nSaved"), 0u) << r->err << r->out;
        EXPECT_EQ(count(r->err, "\nSaving"), 0u) << r->err;
    }
}

TEST(Diagnostics, DeviceAndFileTextCannotDisguiseALine) {
    SimProcess sim({"--identity", "R62" + kOverride + "gpj.exe" + kLineSeparator + "x" + kIsolate,
                    "--time-limit", "60"});
    const auto r = runCli({"detect", "--port", sim.device()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("R62\\u202egpj.exe\\u2028 found on ")); // 16 bytes of it
    EXPECT_THAT(r.out, HasSubstr("    R62\\u202egpj.exe\\u2028x\\u2066\n"));
    EXPECT_FALSE(rawDisguise(r.out)) << r.out;
    const auto json = runCli({"detect", "--port", sim.device(), "--json"});
    EXPECT_THAT(json.out, HasSubstr(R"("identity":"R62\\u202egpj.exe\\u2028x\\u2066")"));

    TempDir dir;
    const auto file = dir.write("bidi.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=9" +
                                                kOverride + "1\r\n");
    const auto show = runCli({"show", file.string()});
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_THAT(show.err, HasSubstr("SliderMaxcurrent=9\\u202e1\n"));
    EXPECT_FALSE(rawDisguise(show.err)) << show.err;
}

} // namespace
} // namespace tessaro::test
