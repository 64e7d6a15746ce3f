// SPDX-License-Identifier: GPL-3.0-or-later
// The audit log as send and provision open and write it: only a regular file, a symbolic
// link only to a file of its owner, a record the log cannot take said once and kept in the
// unit's record; and a profile whose name starts with a dash, given after "--".

#include "cli/CliRunner.h"
#include "support/JsonLines.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "support/TextCount.h"

#include <QJsonArray>
#include <QJsonObject>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

const std::string kAbsentPort = "/nonexistent/ttyUSB9";

// The CLI run in folder, with the commands of prelude first (bash): a profile named
// relatively, a limit set.
CliResult runCliIn(const std::filesystem::path& folder, const std::string& prelude,
                   const std::vector<std::string>& args) {
    std::vector<std::string> all{"-c", prelude + "\ncd \"$1\" && shift && exec \"$@\"", "bash",
                                 folder.string(), TESSARO_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    return runProgram("bash", all);
}

// send and provision with the log, to a port that is not there: the log is looked at first,
// so a refused log exits 2 where the port would have made it 3. Each is bounded: a log
// whose open waits fails the test rather than holding it.
std::vector<CliResult> sendAndProvision(const std::string& profile, const std::string& log) {
    return {runProgram("timeout", {"10", TESSARO_CLI_PATH, "send", profile, "--port", kAbsentPort,
                                   "--yes", "--log", log}),
            runProgram("timeout", {"10", TESSARO_CLI_PATH, "provision", profile, "--port",
                                   kAbsentPort, "--yes", "--log", log})};
}

// A fifo or a device, a link to nothing, a link to another user's file (when the test may
// give one away: as root): refused before any printer, the file left as it was.
TEST(AuditLog, WhatIsNoFileOfTheUsersOwnIsRefusedBeforeAnyPrinter) {
    TempDir dir;
    const std::string profile = dir.write("job.pcf", kProfile).string();
    const std::string fifo = (dir / "audit.jsonl").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const auto nowhere = dir / "made.jsonl";
    const auto dangling = dir / "dangling.jsonl";
    std::filesystem::create_symlink(nowhere, dangling);
    std::vector<std::pair<std::string, std::string>> refused{
        {fifo, "not a regular file"},
        {"/dev/null", "not a regular file"},
        {dangling.string(), "a symbolic link to a file that does not exist; not followed"}};
    const auto theirs = dir.write("theirs.jsonl", "their line\n");
    const auto planted = dir / "planted.jsonl";
    std::filesystem::create_symlink(theirs, planted);
    if (::chown(theirs.c_str(), 65534, 65534) == 0) {
        refused.emplace_back(planted.string(),
                             "a symbolic link to a file of another user; not followed");
    }
    for (const auto& [log, why] : refused) {
        for (const CliResult& r : sendAndProvision(profile, log)) {
            EXPECT_EQ(r.status, 2) << log << ": " << r.err;
            EXPECT_EQ(r.err, "Cannot open the audit log " + log + ": " + why + "\n");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(readFile(theirs), "their line\n");
}

// A link to a file of the same owner is followed: the record goes to the file.
TEST(AuditLog, ALinkToAFileOfTheUsersOwnIsFollowed) {
    TempDir dir;
    const std::string profile = dir.write("job.pcf", kProfile).string();
    const auto real = dir.write("real.jsonl", "");
    const auto link = dir / "link.jsonl";
    std::filesystem::create_symlink(real, link);
    const auto r =
        runCli({"send", profile, "--port", kAbsentPort, "--yes", "--log", link.string()});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_THAT(readFile(real), HasSubstr("\"result\":\"port_absent\""));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// A log the disk cannot take more of: the file is at the process's file size limit (with
// SIGXFSZ ignored, a write past it fails with EFBIG, as one on a full disk with ENOSPC);
// stdout and stderr stay far below it.
class FullLog : public ::testing::Test {
  protected:
    static constexpr int kLimitKiB = 64;
    // The earlier records fill the log up to the limit.
    void SetUp() override {
        std::string earlier(kLimitKiB * 1024 - 1, 'x');
        earlier.front() = '"';
        earlier[earlier.size() - 1] = '"';
        dir.write("audit.jsonl", earlier + "\n");
        dir.write("job.pcf", kProfile);
    }
    CliResult run(std::vector<std::string> args) {
        args.insert(args.end(), {"--yes", "--log", log});
        return runCliIn(dir.path(), "trap '' XFSZ; ulimit -f " + std::to_string(kLimitKiB), args);
    }

    TempDir dir;
    const std::string log = (dir / "audit.jsonl").string();
    const std::string warning = "Cannot write the audit log " + log + ": File too large";
};

TEST_F(FullLog, TheRecordKeepsWhatThePrinterDidAndSaysTheLogDidNotTakeIt) {
    SimProcess printer({"--time-limit", "60"});
    const auto r = run({"send", "job.pcf", "--port", printer.device(), "--json"});
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.err, warning + "\n");
    const QJsonObject record = jsonOf(r.out);
    EXPECT_EQ(record.value("result").toString(), "ok");
    EXPECT_EQ(record.value("log_error").toString().toStdString(), log + ": File too large");
    EXPECT_EQ(record.value("warnings").toArray(), QJsonArray{QString::fromStdString(warning)});
    EXPECT_EQ(std::filesystem::file_size(log), FullLog::kLimitKiB * 1024u);

    // provision: the message once per port, in text and JSON alike.
    SimProcess second({"--time-limit", "60"});
    for (const bool json : {false, true}) {
        std::vector<std::string> args{"provision",      "job.pcf", "--port",
                                      printer.device(), "--port",  second.device()};
        if (json) {
            args.push_back("--json");
        }
        const auto station = run(args);
        EXPECT_EQ(station.status, 2) << station.err;
        EXPECT_EQ(count(station.err, warning), 2u) << station.err;
        EXPECT_EQ(count(station.out, warning), json ? 2u : 0u) << station.out;
        if (!json) { // each unit's line: stored, and not recorded
            EXPECT_EQ(count(station.out, "Successful ! ("), 2u) << station.out;
            EXPECT_EQ(count(station.out, ", not recorded in the audit log"), 2u) << station.out;
            EXPECT_THAT(station.out, HasSubstr(printer.device() + ": 1 done, 0 failed"));
        }
    }
}

// A record the disk takes only part of is cut back: the log keeps whole lines only, and the
// next record, once there is room, is a line of its own.
TEST_F(FullLog, ARecordTheDiskTakesOnlyPartOfIsCutBack) {
    std::string earlier(kLimitKiB * 1024 - 101, 'x'); // room for 100 bytes of the record
    earlier.front() = earlier.back() = '"';
    dir.write("audit.jsonl", earlier + "\n");
    SimProcess printer({"--time-limit", "60"});
    const auto full = run({"send", "job.pcf", "--port", printer.device()});
    EXPECT_EQ(full.status, 2) << full.err;
    EXPECT_EQ(std::filesystem::file_size(log), earlier.size() + 1);

    const auto roomy = runCliIn(
        dir.path(), "", {"send", "job.pcf", "--port", printer.device(), "--yes", "--log", log});
    EXPECT_EQ(roomy.status, 0) << roomy.err;
    std::ifstream file(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], earlier);
    EXPECT_EQ(jsonOf(lines[1]).value("result").toString(), "ok");
}

// A run's label (an order, a batch, an operator) is in every record it makes, on stdout and
// in the log; a run without one says null.
TEST(AuditLog, EveryRecordCarriesTheRunsLabel) {
    SimProcess printer({"--time-limit", "60"});
    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto log = dir / "audit.jsonl";
    const auto labelled =
        runCli({"provision", profile, "--port", printer.device(), "--port", "/nonexistent/ttyUSB9",
                "--label", "Order 4711\nline 2", "--log", log.string(), "--yes", "--json"});
    EXPECT_EQ(labelled.status, 3) << labelled.err;
    const auto sent = runCli({"send", profile, "--port", printer.device(), "--label", "batch 7",
                              "--log", log.string(), "--yes", "--json"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    const auto plain =
        runCli({"send", profile, "--port", printer.device(), "--log", log.string(), "--yes"});
    EXPECT_EQ(plain.status, 0) << plain.err;

    const auto printed = jsonLines(labelled.out + sent.out);
    ASSERT_EQ(printed.size(), 4u); // two units, the summary, the send
    EXPECT_EQ(printed[0].value("label").toString(), "Order 4711\nline 2");
    EXPECT_EQ(printed[1].value("label").toString(), "Order 4711\nline 2");
    EXPECT_EQ(printed[3].value("label").toString(), "batch 7");
    const auto logged = jsonLines(readFile(log));
    ASSERT_EQ(logged.size(), 4u);
    EXPECT_EQ(logged[0].value("label"), printed[0].value("label"));
    EXPECT_EQ(logged[2].value("label").toString(), "batch 7");
    EXPECT_TRUE(logged[3].value("label").isNull());
}

TEST(ProfileNames, ANameStartingWithADashIsAFileAfterDoubleDash) {
    SimProcess printer({"--time-limit", "60"});
    TempDir dir;
    dir.write("-x.pcf", kProfile);
    const auto sent = runCliIn(
        dir.path(), "", {"send", "--port", printer.device(), "--yes", "--json", "--", "-x.pcf"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    const auto provisioned = runCliIn(dir.path(), "",
                                      {"provision", "--port", printer.device(), "--yes", "--log",
                                       "audit.jsonl", "--json", "--", "-x.pcf"});
    EXPECT_EQ(provisioned.status, 0) << provisioned.err;
    const QJsonObject record = jsonOf(readFile(dir / "audit.jsonl"));
    EXPECT_EQ(record.value("result").toString(), "ok");
    EXPECT_EQ(record.value("profile").toString().toStdString(), (dir / "-x.pcf").string());
}

} // namespace
} // namespace tessaro::test
