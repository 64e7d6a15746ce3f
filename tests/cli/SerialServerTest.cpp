// SPDX-License-Identifier: GPL-3.0-or-later
// A serial printer behind a network serial server (Debian's ser2net, speaking RFC 2217, in
// front of the virtual printer's pseudo-terminal) is driven as a serial port: found at the
// speed asked for, followed to the speed a profile gives it, found again by the search of
// every speed, configured by a provisioning station; a server that is not there is refused
// naming its address.

#include "cli/CliRunner.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

QJsonObject record(const CliResult& r) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
}

TEST(SerialServer, ThePrinterBehindItIsDrivenAsASerialPort) {
    if (!Ser2netProcess::installed()) {
        GTEST_SKIP() << Ser2netProcess::kProgram << " is not installed (scripts/setup installs it)";
    }
    SimProcess sim({"--time-limit", "120"});
    ASSERT_FALSE(sim.device().empty());
    Ser2netProcess server(sim.device());
    ASSERT_TRUE(server.listening()) << server.log();
    const std::string port = "rfc2217://" + server.address();

    const CliResult found = runCli({"detect", "--port", port, "--json"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.err, "");
    EXPECT_EQ(record(found).value("port").toString().toStdString(), port);
    EXPECT_EQ(record(found).value("link").toString(), "rfc2217");
    EXPECT_EQ(record(found).value("speed").toInt(), 9600);
    EXPECT_EQ(record(found).value("message").toString().toStdString(),
              "R62 VIRTUAL PRN found on " + port + " at 9600 bauds");

    // At a speed the printer does not run at, the server's line is set to it: nothing heard.
    const CliResult wrongSpeed = runCli({"detect", "--port", port, "--speed", "19200"});
    EXPECT_NE(wrongSpeed.status, 0);
    EXPECT_TRUE(sim.waitFor("at 19200 bit/s not heard", std::chrono::seconds(2))) << sim.output();

    TempDir dir;
    const auto slower = dir.write("slower.pcf", "[Setup and hardware control]\r\nserialspeed=4\r\n"
                                                "serialhandshake=1\r\nirda=0\r\n")
                            .string();
    const CliResult sent = runCli({"send", slower, "--port", port, "--yes", "--json"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(record(sent).value("message").toString(), "Saving Sequence Successful !");
    EXPECT_EQ(record(sent).value("speed_after").toInt(), 19200);

    const CliResult again = runCli({"detect", "--port", port, "--speed", "auto", "--json"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(record(again).value("speed").toInt(), 19200);
}

// The station finds the printer by its search of every speed, stores the profile and records
// the unit under the server's port.
TEST(SerialServer, AStationStoresTheProfileInThePrinterBehindIt) {
    if (!Ser2netProcess::installed()) {
        GTEST_SKIP() << Ser2netProcess::kProgram << " is not installed (scripts/setup installs it)";
    }
    SimProcess sim({"--speed", "19200", "--time-limit", "120"});
    ASSERT_FALSE(sim.device().empty());
    Ser2netProcess server(sim.device());
    ASSERT_TRUE(server.listening()) << server.log();
    const std::string port = "rfc2217://" + server.address();
    TempDir dir;
    const auto profile =
        dir.write("job.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n").string();
    const auto log = dir / "audit.jsonl";

    const CliResult stored = runCli(
        {"provision", profile, "--port", port, "--speed", "auto", "--log", log.string(), "--yes"});
    EXPECT_EQ(stored.status, 0) << stored.err;
    const QJsonObject unit =
        QJsonDocument::fromJson(QByteArray::fromStdString(readFile(log))).object();
    EXPECT_EQ(unit.value("port").toString().toStdString(), port);
    EXPECT_EQ(unit.value("result").toString(), "ok");
    EXPECT_EQ(unit.value("speed").toInt(), 19200);
    EXPECT_TRUE(sim.waitFor("ESC s  save -> 00", std::chrono::seconds(2))) << sim.output();
}

TEST(SerialServer, AServerThatIsNotThereIsRefusedNamingItsAddress) {
    const std::string port = "rfc2217://127.0.0.1:1";
    const CliResult refused = runCli({"detect", "--port", port});
    EXPECT_NE(refused.status, 0);
    EXPECT_THAT(refused.err, HasSubstr(port + ": Connection refused"));

    const CliResult noPort = runCli({"detect", "--port", "rfc2217://printers.example"});
    EXPECT_EQ(noPort.status, 2);
    EXPECT_THAT(noPort.err,
                HasSubstr("Not a serial server's address: \"rfc2217://printers.example\""));
}

} // namespace
} // namespace tessaro::test
