// SPDX-License-Identifier: GPL-3.0-or-later
// A provisioning station run as a user runs it, against virtual printers: the units'
// diagnostics come whole, each after its port; a second Ctrl-C as a unit ends leaves that
// unit its one record, a second Ctrl-C early stops the units under way with a record each,
// and a station waiting for printers starts no process.

#include "cli/CliRunner.h"
#include "support/FileWatch.h"
#include "support/JsonLines.h"
#include "support/ProcessTree.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "support/TextCount.h"

#include <QJsonArray>
#include <QJsonObject>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using namespace std::chrono_literals;

// tessaro-cli provision in the background, its stdout and stderr on one pipe.
std::unique_ptr<SimProcess> startStation(std::vector<std::string> args) {
    args.insert(args.begin(), "provision");
    return std::make_unique<SimProcess>(std::move(args), TESSARO_CLI_PATH,
                                        SimProcess::Streams::OutputAndErrors);
}

// Everything the process printed until it closed its output.
std::string allOutput(SimProcess& process) {
    return process.readUntil([](const std::string&) { return false; }, 10s);
}

// Ctrl-C, and once the station has taken it (two signals sent at once may arrive as one),
// Ctrl-C again.
void interruptTwice(SimProcess& station) {
    station.signal(SIGINT);
    ASSERT_TRUE(station.waitFor("Interrupted: ", 10s)) << station.output();
    station.signal(SIGINT);
}

TEST(StationOutput, EachUnitsDiagnosticsComeAsWholeLinesAfterItsPort) {
    SimProcess silent({"--silent", "--time-limit", "60"});
    SimProcess faulty({"--status", "0xA4", "--time-limit", "60"}); // no paper
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto r = runCli(
        {"provision", profile, "--port", silent.device(), "--port", faulty.device(), "--yes"});
    EXPECT_EQ(r.status, 1) << r.err;
    std::istringstream lines(r.err);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.starts_with(silent.device() + ": ") ||
                    line.starts_with(faulty.device() + ": "))
            << line;
    }
    EXPECT_EQ(count(r.err, silent.device() + ": No printer found on " + silent.device() +
                               " at 9600 bauds\n"),
              1u)
        << r.err;
    EXPECT_EQ(count(r.err, faulty.device() + ": The printer on " + faulty.device() +
                               " reports a fault: No Paper\n"),
              1u)
        << r.err;
}

TEST(StationInterrupt, ASecondCtrlCAsAUnitEndsLeavesItsOneRecord) {
    SimProcess printer({"--time-limit", "60"});
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    FileWatch written(log);
    const auto station = startStation({profile, "--port", printer.device(), "--repeat", "--log",
                                       log.string(), "--yes", "--json"});

    ASSERT_EQ(jsonLines(written.waitForLines(1, 10s)).size(), 1u);
    interruptTwice(*station);
    EXPECT_EQ(station->exitStatus(10s), 0);

    const std::string out = allOutput(*station);
    const auto printed = jsonLines(out);
    ASSERT_EQ(printed.size(), 2u) << out; // the unit, then the summary
    EXPECT_EQ(printed[0].value("result").toString(), "ok");
    const QJsonObject tally = printed[1].value("summary").toArray()[0].toObject();
    EXPECT_EQ(tally.value("done").toInt(), 1);
    EXPECT_EQ(tally.value("failed").toInt(), 0);
    const auto logged = jsonLines(readFile(log));
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].value("result").toString(), "ok");
}

// The profile is read once for the run: a printer served after the file was edited gets the
// bytes the first got, and its record the same SHA-256.
TEST(StationProfile, IsReadOnceForTheWholeRun) {
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string(); // SliderMaxcurrent=9
    const auto log = dir / "audit.jsonl";
    const std::string port = (dir / "printer").string();
    auto first = std::make_unique<SimProcess>(
        std::vector<std::string>{"--link", port, "--time-limit", "60"});
    ASSERT_FALSE(first->device().empty());
    FileWatch written(log);
    const auto station =
        startStation({profile, "--port", port, "--repeat", "--log", log.string(), "--yes"});
    ASSERT_EQ(jsonLines(written.waitForLines(1, 10s)).size(), 1u);

    dir.write("job.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=3\r\n");
    first.reset(); // the printer leaves; the next one comes
    ASSERT_TRUE(station->waitFor(port + ": waiting for the next printer", 20s))
        << station->output();
    SimProcess second({"--link", port, "--time-limit", "60"});
    ASSERT_FALSE(second.device().empty());
    ASSERT_EQ(jsonLines(written.waitForLines(2, 20s)).size(), 2u);
    interruptTwice(*station);
    EXPECT_EQ(station->exitStatus(10s), 0);

    EXPECT_THAT(second.output(), HasSubstr("GS / 09"));
    const auto logged = jsonLines(readFile(log));
    ASSERT_EQ(logged.size(), 2u);
    EXPECT_EQ(logged[1].value("sent"), logged[0].value("sent"));
    EXPECT_EQ(logged[1].value("profile_sha256"), logged[0].value("profile_sha256"));
}

TEST(StationInterrupt, ASecondCtrlCEarlyStopsTheUnitsUnderWayWithARecordEach) {
    SimProcess first({"--time-limit", "60"});
    SimProcess second({"--time-limit", "60"});
    const std::vector<std::string> ports{first.device(), second.device()};
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    const auto station = startStation(
        {profile, "--port", ports[0], "--port", ports[1], "--log", log.string(), "--yes"});
    for (const std::string& port : ports) {
        ASSERT_TRUE(station->waitFor(port + ": provisioning", 10s)) << station->output();
    }
    interruptTwice(*station);
    EXPECT_EQ(station->exitStatus(10s), 1); // not 128 and more: it did not crash

    const std::string out = allOutput(*station);
    for (const std::string& port : ports) {
        EXPECT_EQ(count(out, port + ": failed (not_stored): The unit was stopped before "
                                    "its end\n"),
                  1u)
            << out;
        EXPECT_THAT(out, HasSubstr("\n" + port + ": 0 done, 1 failed\n"));
    }
    const auto logged = jsonLines(readFile(log));
    ASSERT_EQ(logged.size(), 2u);
    for (const QJsonObject& record : logged) {
        EXPECT_EQ(record.value("result").toString(), "not_stored");
        EXPECT_EQ(record.value("message").toString(), "The unit was stopped before its end");
    }
}

TEST(StationWaits, AStationWaitingForAPrinterStartsNoProcess) {
    SimProcess silent({"--silent", "--time-limit", "60"});
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto station = startStation({profile, "--port", silent.device(), "--repeat", "--yes"});
    // Each status request the printer hears is the station asking while it waits.
    for (std::size_t asked = 1; asked <= 3; ++asked) {
        const auto heard = [asked](const std::string& text) {
            return count(text, "status request") >= asked;
        };
        ASSERT_TRUE(heard(silent.readUntil(heard, 10s))) << station->output();
        EXPECT_THAT(childrenOf(station->pid()), IsEmpty());
    }
    station->signal(SIGINT);
    EXPECT_EQ(station->exitStatus(10s), 0);
    EXPECT_THAT(allOutput(*station),
                HasSubstr("Summary:\n" + silent.device() + ": 0 done, 0 failed\n"));
}

} // namespace
} // namespace tessaro::test
