// SPDX-License-Identifier: GPL-3.0-or-later
// A serial printer behind a network serial server (Debian's ser2net, speaking RFC 2217, in
// front of the virtual printer's pseudo-terminal) is driven as a serial port: found at the
// speed asked for, followed to the speed a profile gives it, found there again by a
// provisioning station's search of every speed and configured; a server that is not there is
// refused naming its address.

#include "cli/CliRunner.h"
#include "support/JsonLines.h"
#include "support/Ser2netProcess.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "support/TextCount.h"

#include <QJsonObject>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

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
    EXPECT_EQ(jsonOf(found.out).value("port").toString().toStdString(), port);
    EXPECT_EQ(jsonOf(found.out).value("link").toString(), "rfc2217");
    EXPECT_EQ(jsonOf(found.out).value("speed").toInt(), 9600);
    EXPECT_EQ(jsonOf(found.out).value("message").toString().toStdString(),
              "R62 VIRTUAL PRN found on " + port + " at 9600 bauds");

    // At a speed the printer does not run at, the server's line is set to it: nothing heard.
    const CliResult wrongSpeed = runCli({"detect", "--port", port, "--speed", "19200"});
    EXPECT_NE(wrongSpeed.status, 0);
    EXPECT_TRUE(sim.waitFor("at 19200 bit/s not heard", std::chrono::seconds(2))) << sim.output();

    TempDir dir;
    const auto slower = dir.write("slower.pcf", kTo19200Profile).string();
    const CliResult sent = runCli({"send", slower, "--port", port, "--yes", "--json"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(jsonOf(sent.out).value("message").toString(), "Saving Sequence Successful !");
    EXPECT_EQ(jsonOf(sent.out).value("speed_after").toInt(), 19200);

    // A station's search of every speed finds it at 19200, stores the profile and records the
    // unit under the server's port.
    const auto log = dir / "audit.jsonl";
    const auto profile = dir.write("job.pcf", kProfile).string();
    const CliResult stored = runCli(
        {"provision", profile, "--port", port, "--speed", "auto", "--log", log.string(), "--yes"});
    EXPECT_EQ(stored.status, 0) << stored.err;
    const QJsonObject unit = jsonOf(readFile(log));
    EXPECT_EQ(unit.value("port").toString().toStdString(), port);
    EXPECT_EQ(unit.value("result").toString(), "ok");
    EXPECT_EQ(unit.value("speed").toInt(), 19200);
    const auto savedTwice = [](const std::string& out) {
        return count(out, "ESC s  save -> 00") == 2;
    };
    EXPECT_TRUE(savedTwice(sim.readUntil(savedTwice, std::chrono::seconds(2)))) << sim.output();
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
