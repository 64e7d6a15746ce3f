// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on a production line: exit statuses that tell causes apart, provisioning
// several printers at once with an audit log, a station serving printer after printer, and
// an audit log that keeps every finished unit when the station is killed.

#include "cli/CliRunner.h"
#include "support/FileWatch.h"
#include "support/JsonLines.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "support/TextCount.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSerialPort>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using namespace std::chrono_literals;

std::string resultOf(const CliResult& r) {
    return jsonOf(r.out).value("result").toString().toStdString();
}

// The cause, as a script tells it apart without reading the message.
std::string messageIdOf(const CliResult& r) {
    return jsonOf(r.out).value("message_id").toString().toStdString();
}

// A printer on the port, as /dev/serial/by-id names an adapter.
std::unique_ptr<SimProcess> printerOn(const std::string& port) {
    auto printer = std::make_unique<SimProcess>(
        std::vector<std::string>{"--link", port, "--time-limit", "60"});
    EXPECT_FALSE(printer->device().empty());
    return printer;
}

// The printer on the port leaves; once the station has seen it go, the next one comes. The
// log's records once the station has served it.
std::vector<QJsonObject> replacePrinter(std::unique_ptr<SimProcess>& printer, SimProcess& station,
                                        const std::string& port, FileWatch& log) {
    printer.reset();
    std::filesystem::remove(port);
    if (!station.waitFor(port + ": waiting for the next printer", 15s)) {
        ADD_FAILURE() << "the station did not see the printer leave: " << station.output();
        return {};
    }
    printer = printerOn(port);
    return jsonLines(log.waitForLines(2, 20s));
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
    EXPECT_EQ(messageIdOf(noAnswer), "no_printer_at_speed");
    EXPECT_THAT(noAnswer.err, HasSubstr("No printer found"));
    const auto refused = send(refusing);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(resultOf(refused), "not_stored");
    EXPECT_EQ(messageIdOf(refused), "saving_refused");
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

// The lock files and flocks of terminal programs, their holder named, are the serial device's
// test (PortLockTest); here the command line says so.
TEST(ExitStatus, APortHeldByAnotherProgramIsAPortProblem) {
    SimProcess sim({"--time-limit", "60"});
    QSerialPort holder(QString::fromStdString(sim.device()));
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    const auto held = runCli({"detect", "--port", sim.device(), "--json"});
    EXPECT_EQ(held.status, 3) << held.out << held.err;
    EXPECT_EQ(resultOf(held), "port_in_use");
    EXPECT_EQ(messageIdOf(held), "in_use_by_named_process") << held.out;
    // With --speed auto the port is not tried at every speed: the first open says why, once.
    for (const char* command : {"detect", "status"}) {
        const auto any = runCli({command, "--port", sim.device(), "--speed", "auto", "--json"});
        EXPECT_EQ(any.status, 3) << command << ": " << any.err;
        EXPECT_EQ(resultOf(any), "port_in_use") << command;
        EXPECT_EQ(count(any.err, "Attempting to contact printer"), 1u) << command << any.err;
        EXPECT_EQ(count(any.err, held.err), 1u) << command << ": " << any.err;
    }
}

TEST(ExitStatus, APortTheUserMayNotOpenIsAPortProblem) {
    if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "needs root to run the program as another user";
    }
    // A build inside a folder only its owner may enter (a mktemp -d checkout) cannot be run
    // by another user at all.
    const std::string reach = std::string("setpriv --reuid=65534 --regid=65534 --clear-groups "
                                          "test -x ") +
                              TESSARO_CLI_PATH + " -a -r " + TESSARO_SOURCE_DIR + "/tests";
    if (std::system(reach.c_str()) != 0) {
        GTEST_SKIP() << "another user cannot reach the build or the sources";
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

// A repeating station serves printer after printer until interrupted. A profile that changes
// the serial speed leaves the printer answering at the new one: the station takes it for the
// same printer until it leaves, and configures it once.
TEST(Provision, APrinterWhoseSpeedTheProfileChangedIsServedOnceUntilItLeaves) {
    TempDir dir;
    const auto port = (dir / "printer").string();
    const auto profile = dir.write("faster.pcf", kTo19200Profile).string();
    const auto log = dir / "audit.jsonl";
    FileWatch written(log);
    auto printer = printerOn(port);
    SimProcess station({"provision", profile, "--port", port, "--repeat", "--speed", "auto",
                        "--log", log.string(), "--yes"},
                       TESSARO_CLI_PATH, SimProcess::Streams::OutputAndErrors);

    const auto first = jsonLines(written.waitForLines(1, 15s));
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].value("speed").toInt(), 9600);
    EXPECT_EQ(first[0].value("speed_after").toInt(), 19200);
    // The station keeps asking the printer, now at 19200, whether it is still there: after
    // the save it hears three status requests and nothing else (no search, no second unit).
    const std::string saved = "ESC s  save -> 00\n";
    const std::string asked = "ESC v  status request -> A0\n";
    const auto afterSave = [&saved](const std::string& out) {
        const auto at = out.find(saved);
        return at == std::string::npos ? std::string() : out.substr(at + saved.size());
    };
    std::string later = afterSave(printer->readUntil(
        [&](const std::string& out) { return count(afterSave(out), asked) >= 3; }, 15s));
    EXPECT_GE(count(later, asked), 3u) << printer->output();
    for (auto at = later.find(asked); at != std::string::npos; at = later.find(asked)) {
        later.erase(at, asked.size());
    }
    EXPECT_EQ(later, "") << printer->output();
    EXPECT_EQ(jsonLines(readFile(log)).size(), 1u);

    // It leaves; the next printer, at the factory 9600, is found and served.
    const auto records = replacePrinter(printer, station, port, written);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].value("result").toString(), "ok");
    EXPECT_EQ(records[1].value("speed").toInt(), 9600);

    station.signal(SIGINT);
    EXPECT_TRUE(station.waitFor("Summary:\n" + port + ": 2 done, 0 failed, mean ", 15s))
        << station.output();
    EXPECT_EQ(station.exitStatus(15s), 0) << station.output();
}

TEST(Provision, AKilledStationLeavesWholeRecordsOfEveryFinishedUnit) {
    SimProcess first({"--time-limit", "60"});
    SimProcess second({"--time-limit", "60"});
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    FileWatch written(log);
    {
        SimProcess station({"provision", profile, "--port", first.device(), "--port",
                            second.device(), "--repeat", "--log", log.string(), "--yes"},
                           TESSARO_CLI_PATH);
        ASSERT_GE(jsonLines(written.waitForLines(2, 10s)).size(), 2u);
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
