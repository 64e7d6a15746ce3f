// SPDX-License-Identifier: GPL-3.0-or-later
// --speed auto against virtual printers on pseudo-terminals running at other speeds than
// 9600: the printer is found at its speed on that one port, a speed change is recorded as
// speed_after, a port where no speed answers is named, and a link without a speed is asked
// as it is.

#include "cli/CliRunner.h"
#include "support/JsonLines.h"
#include "support/SimProcess.h"

#include <QJsonObject>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class SpeedAuto : public ::testing::TestWithParam<const char*> {};

TEST_P(SpeedAuto, DetectSendAndStatusFindThePrinterAtItsSpeed) {
    const std::string speed = GetParam();
    SimProcess sim({"--speed", speed, "--time-limit", "120"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());

    const auto found = runCli({"detect", "--port", device, "--speed", "auto"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_THAT(found.out, StartsWith("R62 VIRTUAL PRN found on " + device + " at " + speed +
                                      " bauds\n" + device + " ,  " + speed + " BAUDS \n"));
    // Each speed tried is shown on stderr, fastest first, up to the one that answered.
    EXPECT_THAT(found.err,
                StartsWith("Attempting to contact printer on " + device + " at 115200 bauds.\n"));
    EXPECT_THAT(found.err, HasSubstr("Attempting to contact printer on " + device + " at " + speed +
                                     " bauds.\n"));
    EXPECT_THAT(found.err, Not(HasSubstr(" at 9600 bauds.")));

    // A numbered port is named by its number.
    const auto com1 = runCli({"detect", "--port", "COM1", "--speed", "auto"},
                             {"TESSARO_COM1=" + device, "TESSARO_COM2="});
    EXPECT_EQ(com1.status, 0) << com1.err;
    EXPECT_THAT(com1.out, StartsWith("R62 VIRTUAL PRN found on COM 1 at " + speed + " bauds\n"));
    EXPECT_THAT(com1.err, StartsWith("Attempting to contact printer on COM 1 at 115200 bauds.\n"));

    const auto json = runCli({"detect", "--port", device, "-b", "auto", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(jsonOf(json.out).value("speed").toInt(), std::stoi(speed));
    EXPECT_TRUE(jsonOf(json.out).value("speed_after").isNull());

    const auto status = runCli({"status", "--port", device, "--json"}, {"TESSARO_SPEED=auto"});
    EXPECT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(jsonOf(status.out).value("speed").toInt(), std::stoi(speed));
    EXPECT_EQ(jsonOf(status.out).value("status_byte").toInt(), 0xA0);

    TempDir dir;
    const auto profile = dir.write("job.pcf", kProfile).string();
    const auto sent =
        runCli({"send", profile, "--port", device, "--speed", "auto", "--yes", "--json"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(jsonOf(sent.out).value("result").toString(), "ok");
    EXPECT_EQ(jsonOf(sent.out).value("speed").toInt(), std::stoi(speed));
    EXPECT_TRUE(jsonOf(sent.out).value("speed_after").isNull());
    EXPECT_TRUE(sim.waitFor("ESC s  save -> 00", std::chrono::seconds(2))) << sim.output();
}

INSTANTIATE_TEST_SUITE_P(Speeds, SpeedAuto, ::testing::Values("19200", "57600"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string("At") + info.param;
                         });

TEST(SpeedAutoChange, ASpeedTheProfileChangesIsRecordedAsSpeedAfter) {
    SimProcess sim({"--speed", "57600", "--time-limit", "120"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    TempDir dir;
    const auto slower = dir.write("slower.pcf", kTo19200Profile).string();
    const auto sent =
        runCli({"send", slower, "--port", device, "--speed", "auto", "--yes", "--json"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(jsonOf(sent.out).value("speed").toInt(), 57600);
    EXPECT_EQ(jsonOf(sent.out).value("speed_after").toInt(), 19200);
    // The printer now answers at 19200, which auto finds.
    const auto found = runCli({"detect", "--port", device, "--speed", "auto", "--json"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(jsonOf(found.out).value("speed").toInt(), 19200);
}

// A printer slow to answer is found at any speed as at its own, and its chipset is heard.
TEST(SpeedAutoSlowPrinter, IsFoundAsAtItsFixedSpeed) {
    SimProcess sim({"--speed", "19200", "--reply-delay", "150", "--time-limit", "120"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    const auto fixed = runCli({"detect", "--port", device, "--speed", "19200", "--json"});
    EXPECT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_EQ(jsonOf(fixed.out).value("chipset_volts").toDouble(), 5.0);
    const auto any = runCli({"detect", "--port", device, "--speed", "auto", "--json"});
    EXPECT_EQ(any.status, 0) << any.err;
    EXPECT_EQ(jsonOf(any.out).value("speed").toInt(), 19200);
    EXPECT_EQ(jsonOf(any.out).value("chipset_volts").toDouble(), 5.0);
    const auto status = runCli({"status", "--port", device, "--speed", "auto", "--json"});
    EXPECT_EQ(status.status, 0) << status.err;
    EXPECT_EQ(jsonOf(status.out).value("status_byte").toInt(), 0xA0);
}

TEST(SpeedAutoNoAnswer, APortWhereNoSpeedAnswersIsNamed) {
    SimProcess sim({"--silent", "--time-limit", "120"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());

    const auto detect = runCli({"detect", "--port", device, "--speed", "auto"});
    EXPECT_EQ(detect.status, 1);
    EXPECT_EQ(detect.out, "No printer found on " + device + " at any speed\n");
    EXPECT_THAT(detect.err, HasSubstr(" at 1200 bauds.\n")); // every speed was tried
    EXPECT_THAT(detect.err, Not(HasSubstr("No printer found")));

    const auto com1 = runCli({"detect", "--port", "COM1", "--speed", "auto"},
                             {"TESSARO_COM1=" + device, "TESSARO_COM2="});
    EXPECT_EQ(com1.status, 1);
    EXPECT_EQ(com1.out, "No printer found on COM 1 at any speed\n");

    const auto json = runCli({"detect", "--port", device, "--speed", "auto", "--json"});
    EXPECT_EQ(jsonOf(json.out).value("result").toString(), "no_answer");
    EXPECT_EQ(jsonOf(json.out).value("message").toString().toStdString(),
              "No printer found on " + device + " at any speed");
    EXPECT_TRUE(jsonOf(json.out).value("speed").isNull());
    EXPECT_EQ(jsonOf(json.out).value("link").toString(), "serial");

    const auto status = runCli({"status", "--port", device, "--speed", "auto", "--json"});
    EXPECT_EQ(status.status, 1);
    EXPECT_EQ(jsonOf(status.out).value("result").toString(), "no_answer");
    EXPECT_THAT(status.err,
                HasSubstr("No reply to the status request on " + device + " at any speed\n"));

    TempDir dir;
    const auto profile = dir.write("job.pcf", "[Setup and hardware control]\r\nirda=0\r\n");
    const auto send =
        runCli({"send", profile.string(), "--port", device, "--speed", "auto", "--yes"});
    EXPECT_EQ(send.status, 1);
    EXPECT_EQ(send.out, "");
    EXPECT_THAT(send.err, HasSubstr("No printer found on " + device + " at any speed\n"));

    const auto absent = runCli({"detect", "--port", "/nonexistent/ttyUSB7", "--speed", "auto"});
    EXPECT_EQ(absent.status, 3);
    EXPECT_EQ(absent.err, "This port does not exist\n/nonexistent/ttyUSB7: no such device\n");

    const auto wrong = runCli({"detect", "--port", device, "--speed", "fast"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_THAT(wrong.err, HasSubstr("fast is not a serial speed: use auto, 1200, 2400, 4800, "
                                     "9600, 19200, 28800, 38400, 57600 or 115200"));
    // show has no printer to find a speed on.
    EXPECT_EQ(runCli({"show", "--bytes", "--port-speed", "auto"}).status, 2);
}

TEST(SpeedAutoOtherLinks, ANetworkPrinterIsAskedAsWithoutASpeed) {
    SimProcess sim({"--tcp", "127.0.0.1:0", "--speed", "57600", "--time-limit", "120"});
    const std::string address = sim.device(); // 127.0.0.1:PORT
    ASSERT_FALSE(address.empty());
    const std::string port = "tcp://" + address;
    for (const char* command : {"detect", "status"}) {
        const auto plain = runCli({command, "--port", port, "--json"});
        const auto automatic = runCli({command, "--port", port, "--speed", "auto", "--json"});
        EXPECT_EQ(automatic.status, plain.status) << command << ": " << automatic.err;
        EXPECT_EQ(automatic.err, plain.err) << command;
        for (const char* key : {"result", "message", "identity", "status_byte", "sent"}) {
            EXPECT_EQ(jsonOf(automatic.out).value(key), jsonOf(plain.out).value(key))
                << command << " " << key;
        }
        EXPECT_TRUE(jsonOf(automatic.out).value("speed").isNull()) << command;
    }
}

} // namespace
} // namespace tessaro::test
