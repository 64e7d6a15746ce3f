// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on a production line: exit statuses that tell causes apart, provisioning
// several printers at once with an audit log, a station serving printer after printer, and
// an audit log that keeps every finished unit when the station is killed.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPort>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using namespace std::chrono_literals;

const std::string kProfile = "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n";

std::vector<QJsonObject> jsonLines(const std::string& text) {
    std::vector<QJsonObject> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        EXPECT_TRUE(doc.isObject()) << "not a whole record: " << line;
        objects.push_back(doc.object());
    }
    return objects;
}

std::string resultOf(const CliResult& r) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(r.out))
        .object()
        .value("result")
        .toString()
        .toStdString();
}

// Waits, at most limit, until the file has at least count lines; the lines.
std::vector<QJsonObject> waitForRecords(const std::filesystem::path& log, std::size_t count,
                                        std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string text;
    while (std::chrono::steady_clock::now() < deadline) {
        text = readFile(log);
        if (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) >= count) {
            break;
        }
        ::poll(nullptr, 0, 20); // the log is written by another process: look again
    }
    return jsonLines(text);
}

TEST(ExitStatus, TellsCausesApart) {
    SimProcess good({"--time-limit", "60"});
    SimProcess silent({"--silent", "--time-limit", "60"});
    SimProcess refusing({"--save-reply", "1", "--time-limit", "60"});
    SimProcess faulty({"--status", "0xA4", "--time-limit", "60"}); // no paper
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto send = [&](SimProcess& sim) {
        return runCli({"send", profile, "--port", sim.device(), "--yes", "--json"});
    };

    const auto stored = send(good);
    EXPECT_EQ(stored.status, 0) << stored.err;
    const auto noAnswer = send(silent);
    EXPECT_EQ(noAnswer.status, 1);
    EXPECT_EQ(resultOf(noAnswer), "no_answer");
    EXPECT_THAT(noAnswer.err, HasSubstr("No printer found"));
    const auto refused = send(refusing);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(resultOf(refused), "not_stored");
    EXPECT_EQ(
        runCli({"send", (dir / "gone.pcf").string(), "--port", good.device(), "--yes"}).status, 2);
    const auto absent = runCli({"status", "--port", "/nonexistent/ttyUSB9"});
    EXPECT_EQ(absent.status, 3);
    EXPECT_EQ(runCli({"status", "--port", silent.device()}).status, 1);
    const auto fault = runCli({"status", "--port", faulty.device()});
    EXPECT_EQ(fault.status, 4);
    EXPECT_THAT(fault.out, HasSubstr("No Paper"));
    EXPECT_EQ(fault.err, "The printer on " + faulty.device() + " reports a fault: No Paper\n");
}

TEST(ExitStatus, APortHeldByAnotherProgramIsAPortProblem) {
    SimProcess sim({"--time-limit", "60"});
    QSerialPort holder(QString::fromStdString(sim.device()));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    const auto held = runCli({"detect", "--port", sim.device(), "--json"});
    EXPECT_EQ(held.status, 3) << held.out << held.err;
    EXPECT_EQ(resultOf(held), "port_in_use");
}

TEST(ExitStatus, APortTheUserMayNotOpenIsAPortProblem) {
    if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "needs root to run the program as another user";
    }
    SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
    const auto refused =
        runProgram("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", TESSARO_CLI_PATH,
                               "detect", "--port", device, "--json"});
    EXPECT_EQ(refused.status, 3) << refused.err;
    EXPECT_EQ(resultOf(refused), "permission_denied");
    EXPECT_THAT(refused.err, HasSubstr("permission denied"));
}

TEST(Provision, StoresInEveryPrinterAtOnceAndRecordsEachUnit) {
    SimProcess first({"--time-limit", "60"});
    SimProcess second({"--time-limit", "60"});
    SimProcess silent({"--silent", "--time-limit", "60"});
    SimProcess refusing({"--save-reply", "1", "--time-limit", "60"});
    const std::vector<std::string> ports{first.device(), second.device(), silent.device(),
                                         refusing.device()};
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    std::vector<std::string> args{"provision", profile, "--log", log.string(), "--yes", "--json"};
    for (const std::string& port : ports) {
        args.insert(args.end(), {"--port", port});
    }
    const auto r = runCli(args);
    EXPECT_EQ(r.status, 1) << r.err;

    std::map<std::string, std::string> results;
    const auto lines = jsonLines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    for (std::size_t i = 0; i < 4; ++i) {
        results[lines[i].value("port").toString().toStdString()] =
            lines[i].value("result").toString().toStdString();
    }
    const std::map<std::string, std::string> expected{
        {ports[0], "ok"}, {ports[1], "ok"}, {ports[2], "no_answer"}, {ports[3], "not_stored"}};
    EXPECT_EQ(results, expected);
    const QJsonArray summary = lines[4].value("summary").toArray();
    ASSERT_EQ(summary.size(), 4);
    EXPECT_EQ(summary[0].toObject().value("done").toInt(), 1);
    EXPECT_EQ(summary[2].toObject().value("failed").toInt(), 1);

    const auto records = jsonLines(readFile(log));
    ASSERT_EQ(records.size(), 4u);
    for (const QJsonObject& record : records) {
        EXPECT_EQ(results[record.value("port").toString().toStdString()],
                  record.value("result").toString().toStdString());
        EXPECT_FALSE(record.value("time").toString().isEmpty());
    }
}

TEST(Provision, ARepeatingStationServesPrinterAfterPrinterUntilInterrupted) {
    TempDir dir;
    const auto port = (dir / "printer").string(); // as /dev/serial/by-id names an adapter
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    auto printer = std::make_unique<SimProcess>(
        std::vector<std::string>{"--link", port, "--time-limit", "60"});
    ASSERT_FALSE(printer->device().empty());
    SimProcess station(
        {"provision", profile, "--port", port, "--repeat", "--log", log.string(), "--yes"},
        TESSARO_CLI_PATH);

    ASSERT_EQ(waitForRecords(log, 1, 10s).size(), 1u);
    // The printer leaves; once the station has seen it go, the next one comes on the port.
    printer.reset();
    std::filesystem::remove(port);
    ASSERT_TRUE(station.waitFor(port + ": waiting for the next printer", 10s)) << station.output();
    printer = std::make_unique<SimProcess>(
        std::vector<std::string>{"--link", port, "--time-limit", "60"});
    ASSERT_FALSE(printer->device().empty());
    const auto records = waitForRecords(log, 2, 15s);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].value("result").toString(), "ok");

    station.signal(SIGINT);
    EXPECT_TRUE(station.waitFor("Summary:\n" + port + ": 2 done, 0 failed, mean ", 10s))
        << station.output();
    EXPECT_EQ(station.exitStatus(10s), 0);
}

TEST(Provision, AKilledStationLeavesWholeRecordsOfEveryFinishedUnit) {
    SimProcess first({"--time-limit", "60"});
    SimProcess second({"--time-limit", "60"});
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    {
        SimProcess station({"provision", profile, "--port", first.device(), "--port",
                            second.device(), "--repeat", "--log", log.string(), "--yes"},
                           TESSARO_CLI_PATH);
        ASSERT_GE(waitForRecords(log, 2, 10s).size(), 2u);
        station.signal(SIGKILL);
        station.exitStatus(5s);
    }
    const std::string text = readFile(log);
    EXPECT_TRUE(text.ends_with("\n"));
    for (const QJsonObject& record : jsonLines(text)) {
        EXPECT_EQ(record.value("result").toString(), "ok");
    }
}

} // namespace
} // namespace tessaro::test
