// SPDX-License-Identifier: GPL-3.0-or-later
// detect, send, recover and status against the virtual printer running as a separate
// process on a pseudo-terminal, through the real serial adapter.

#include "cli/CliRunner.h"
#include "support/JsonLines.h"
#include "support/SimProcess.h"

#include <QJsonObject>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::AnyOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class PrinterCommandTest : public ::testing::Test {
  protected:
    void start(std::vector<std::string> options = {}) {
        options.insert(options.end(), {"--time-limit", "120"});
        sim = std::make_unique<SimProcess>(options);
        device = sim->device();
        ASSERT_FALSE(device.empty());
    }
    // The printer's terminal as COM1, and no other port.
    std::vector<std::string> onlyCom1() const {
        return {"TESSARO_COM1=" + device, "TESSARO_COM2=", "TESSARO_COM3=", "TESSARO_COM4=",
                "TESSARO_COM5=",          "TESSARO_COM6=", "TESSARO_LPT1=", "TESSARO_LPT2="};
    }
    std::string pcf(const std::string& content) const {
        return dir.write("job.pcf", content).string();
    }

    TempDir dir;
    std::unique_ptr<SimProcess> sim;
    std::string device;
};

TEST_F(PrinterCommandTest, DetectPrintsTheResultThenThePanels) {
    start();
    const auto found = runCli({"detect", "--port", "COM1"}, onlyCom1());
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "R62 VIRTUAL PRN found on COM 1 at 9600 bauds\n"
                         "COM  1 ,  9600 BAUDS \n    R62 VIRTUAL PRN  V1.04\nPower: 24V\n");
    const auto missed = runCli({"detect", "--port", "COM1", "--speed", "19200"}, onlyCom1());
    EXPECT_EQ(missed.status, 1);
    EXPECT_THAT(missed.out, StartsWith("No printer found on COM 1 at 19200 bauds\n"));
    EXPECT_EQ(runCli({"detect", "--port", "COM9"}).status, 2);
    const auto absent = runCli({"detect", "--port", "COM3"}, {"TESSARO_COM3="});
    EXPECT_EQ(absent.status, 3); // the port could not be used
    EXPECT_EQ(absent.out, "");
    EXPECT_EQ(absent.err, "This port does not exist\nCOM3: no serial port has this number\n");
}

TEST_F(PrinterCommandTest, TheStationsEnvironmentGivesPortSpeedAndHandshake) {
    start();
    auto env = onlyCom1();
    env.push_back("TESSARO_PORT=COM1");
    const auto fromEnv = runCli({"detect"}, env);
    EXPECT_EQ(fromEnv.status, 0) << fromEnv.err;
    EXPECT_THAT(fromEnv.out, StartsWith("R62 VIRTUAL PRN found on COM 1 at 9600 bauds\n"));
    env.push_back("TESSARO_SPEED=19200");
    EXPECT_THAT(runCli({"detect"}, env).out, StartsWith("No printer found on COM 1 at 19200"));
    // The command line wins over the environment; -p and -b are the short forms.
    const auto given = runCli({"detect", "-p", "COM1", "-b", "9600"}, env);
    EXPECT_EQ(given.status, 0) << given.err;
    env.push_back("TESSARO_HANDSHAKE=sometimes");
    EXPECT_EQ(runCli({"detect"}, env).status, 2);
}

TEST_F(PrinterCommandTest, ADevicePathIsShownByItsPathUnlessItIsAMappedPort) {
    start();
    const auto byPath = runCli({"detect", "--port", device}, {"TESSARO_COM1=", "TESSARO_COM2="});
    EXPECT_EQ(byPath.status, 0) << byPath.err;
    EXPECT_EQ(byPath.out, "R62 VIRTUAL PRN found on " + device + " at 9600 bauds\n" + device +
                              " ,  9600 BAUDS \n    R62 VIRTUAL PRN  V1.04\nPower: 24V\n");
    const auto mapped = runCli({"detect", "--port", device}, {"TESSARO_COM2=" + device});
    EXPECT_EQ(mapped.status, 0) << mapped.err;
    EXPECT_THAT(mapped.out, StartsWith("R62 VIRTUAL PRN found on COM 2 at 9600 bauds\n"
                                       "COM  2 ,  9600 BAUDS \n"));
}

// A device path that is one of the mapped ports is asked there: not on COM1, which a path
// stands for otherwise.
TEST_F(PrinterCommandTest, StatusAsksTheDeviceGivenWhenItIsAMappedPort) {
    start({"--status", "0xA4"});
    const auto r =
        runCli({"status", "--port", device}, {"TESSARO_COM1=", "TESSARO_COM2=" + device});
    EXPECT_EQ(r.status, 4) << r.err;
    EXPECT_THAT(r.out, HasSubstr("| No Paper |"));
    EXPECT_EQ(r.err, "The printer on COM2 reports a fault: No Paper\n");
}

TEST_F(PrinterCommandTest, AutomaticSearchFindsThePrinterAtItsSpeed) {
    start({"--speed", "57600"});
    const auto r = runCli({"detect", "--auto"}, onlyCom1());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("R62 VIRTUAL PRN found on COM 1 at 57600 bauds\n"));
    EXPECT_THAT(r.err, HasSubstr("Trying to wake-up the printer\n"
                                 "Attempting to contact printer on COM 1 at 115200 bauds.\n"
                                 "Attempting to contact printer on COM 1 at 57600 bauds.\n"));
    // Not a terminal: no line rewritten in place.
    EXPECT_THAT(r.err, Not(AnyOf(HasSubstr("\r"), HasSubstr("\x1b"), HasSubstr("[1/"))));
}

TEST_F(PrinterCommandTest, TheWakeUpByteLeavesAt57600WhateverTheLineHadBefore) {
    start(); // the terminal starts at the printer's 9600
    const auto r = runCli({"detect", "--auto"}, onlyCom1());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("R62 VIRTUAL PRN found on COM 1 at 9600 bauds\n"));
    EXPECT_TRUE(sim->waitFor("(1 bytes at 57600 bit/s not heard", 2s)) << sim->output();
}

TEST_F(PrinterCommandTest, SendStoresTheFileAndFollowsASpeedChange) {
    start();
    const auto file = pcf(kProfile + kTo19200);
    const auto r = runCli({"send", file, "--port", "COM1", "--yes"}, onlyCom1());
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_THAT(r.out, HasSubstr("Setting dynamic division (GS / n)\n"));
    EXPECT_THAT(r.out, HasSubstr("COM  1 ,  19200 BAUDS \n"));
    EXPECT_THAT(r.out, HasSubstr("Parameters saved...   \nSaving Sequence Successful !\n"));
    ASSERT_TRUE(sim->waitFor("ESC s", 2s));
    const std::string log = sim->output();
    EXPECT_THAT(log, HasSubstr("GS L 00"));
    EXPECT_THAT(log, HasSubstr("GS / 09"));
    EXPECT_THAT(log, HasSubstr("GS B 84"));
    EXPECT_THAT(log, HasSubstr("ESC s  save -> 00"));
    // The printer now runs at 19200.
    EXPECT_EQ(runCli({"detect", "--port", device, "--speed", "19200"}).status, 0);
}

TEST_F(PrinterCommandTest, ALateAnswerIsNotReadAsTheAnswerToALaterRequest) {
    for (const char* delay : {"60", "200"}) {
        start({"--reply-delay", delay});
        const auto r = runCli({"send", pcf(kProfile), "--port", device, "--yes"});
        EXPECT_EQ(r.status, 0) << delay << " ms: " << r.err;
        EXPECT_THAT(r.out, HasSubstr("Saving Sequence Successful !\n")) << delay << " ms";
        EXPECT_EQ(r.err, "") << delay << " ms";
        EXPECT_TRUE(sim->waitFor("ESC s  save -> 00", 2s)) << delay << " ms";
    }
}

// The chipset decides what a speed's code means: a late answer is still its answer, and a
// missing one leaves only the speeds both chipsets read alike.
TEST_F(PrinterCommandTest, AChipsetSlowToAnswerOrSilentGetsNoSpeedItWouldMisread) {
    const std::string to28800 = "[Setup and hardware control]\r\nserialspeed=5\r\n";
    start({"--reply-delay", "200"}); // a 5 V chipset, which has no 28800
    const auto late = runCli({"send", pcf(to28800), "--port", device, "--yes", "--json"});
    EXPECT_EQ(late.status, 0) << late.err;
    EXPECT_EQ(jsonOf(late.out).value("chipset_volts").toDouble(), 5.0);
    EXPECT_TRUE(jsonOf(late.out).value("speed_after").isNull());
    EXPECT_THAT(late.err, HasSubstr("if the printer chipset is powered on 5V."));
    EXPECT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS B 83")); // it stays at 9600

    start({"--no-chipset-reply"});
    const auto silent = runCli({"send", pcf(kTo19200Profile), "--port", device, "--yes", "--json"});
    EXPECT_EQ(silent.status, 0) << silent.err;
    EXPECT_TRUE(jsonOf(silent.out).value("chipset_volts").isNull());
    EXPECT_EQ(jsonOf(silent.out).value("speed_after").toInt(), 19200); // the same on both
    start({"--no-chipset-reply"});
    const auto refused = runCli({"send", pcf(to28800), "--port", device, "--yes", "--json"});
    EXPECT_EQ(refused.status, 0) << refused.err;
    EXPECT_TRUE(jsonOf(refused.out).value("speed_after").isNull());
    EXPECT_THAT(refused.err, HasSubstr("It is not possible to configure the baudrate at 28800 "
                                       "bauds\nwhile the printer has not said whether its chipset "
                                       "is powered on 5V or 3.3V."));
    EXPECT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS B 83"));
}

TEST_F(PrinterCommandTest, StatusIgnoresAByteLeftFromAnEarlierExchange) {
    start({"--reply-delay", "450"});
    // The identity comes too late for the detection and waits in the line.
    EXPECT_EQ(runCli({"detect", "--port", device}).status, 1);
    const int line = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(line, 0);
    pollfd waiting{line, POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 2000), 1);
    ::close(line);
    const auto r = runCli({"status", "--port", device});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "  | °C Head OK | Head Down | Paper | Vbat Ok | Ready | ON Line | Mark OK | "
                     "Cutter OK |  \n");
}

TEST_F(PrinterCommandTest, ABusyPrinterReadsNothingUntilItsHoldEnds) {
    start({"--busy-hold", "5"});
    EXPECT_EQ(runCli({"status", "--port", device}).status, 0);
    const auto busy = runCli({"status", "--port", device}); // within the hold
    EXPECT_EQ(busy.status, 1);
    EXPECT_THAT(busy.err, HasSubstr("No reply to the status request"));
}

TEST(VirtualLpt, TakesTheFaultsOfTheVirtualPrinter) {
    TempDir dir;
    const auto empty = dir.write("empty.pcf", "").string();
    const std::vector<std::string> virtualLpt{"TESSARO_LPT1=virtual", "TESSARO_LPT2="};
    auto refusing = virtualLpt;
    refusing.push_back("TESSARO_VIRTUAL_PRINTER=save-reply=1,identity=R51 LATE");
    const auto refused = runCli({"send", empty, "--port", "LPT1", "--yes"}, refusing);
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.out, HasSubstr("R51 LATE found on LPT 1\n"));
    EXPECT_THAT(refused.err, HasSubstr(" Saving Sequence Failed"));
    auto unknown = virtualLpt;
    unknown.push_back("TESSARO_VIRTUAL_PRINTER=loud");
    const auto bad = runCli({"detect", "--port", "LPT1"}, unknown);
    EXPECT_NE(bad.status, 0);
    EXPECT_THAT(bad.err, HasSubstr("TESSARO_VIRTUAL_PRINTER: unknown option \"loud\""));
}

TEST_F(PrinterCommandTest, SendRefusesWithoutConfirmation) {
    start();
    const auto r = runCli({"send", pcf(""), "--port", device});
    EXPECT_EQ(r.status, 2);
    EXPECT_THAT(r.err, HasSubstr("--yes"));
}

// A save the printer refuses (a reply other than zero) or leaves unanswered is no success,
// said in the words of each.
TEST_F(PrinterCommandTest, ARefusedOrUnansweredSaveFails) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--save-reply", "1"},
         " Saving Sequence Failed\n Please verify that your software "
         "revision allow parameters modificaiton"},
        {{"--no-save-reply"},
         "Saving Sequence Failed\nPlease verify that your software "
         "revision\nallow parameters modificaiton"},
    };
    for (const auto& [options, said] : cases) {
        ASSERT_NO_FATAL_FAILURE(start(options));
        const auto r = runCli({"send", pcf(""), "--port", device, "--yes"});
        EXPECT_EQ(r.status, 1) << options[0];
        EXPECT_THAT(r.err, HasSubstr(said));
        EXPECT_THAT(r.out, HasSubstr("Saving sequence failed\n")) << options[0];
        EXPECT_THAT(r.out, Not(HasSubstr("Parameters saved"))) << options[0];
    }
}

TEST_F(PrinterCommandTest, RecoverSendsEveryParameterAndStatusSpellsTheByte) {
    start({"--status", "0x85"});
    const auto r = runCli({"recover", "--port", device, "--yes"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Setting serial com (GS B n)\n"));
    ASSERT_TRUE(sim->waitFor("ESC s", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("ESC ! 00"));
    // The head too hot and no paper are faults: the status is said, and the exit tells it.
    const auto status = runCli({"status", "--port", device});
    EXPECT_EQ(status.status, 4);
    EXPECT_EQ(status.out, "  | °C Head Problem | Head Down | No Paper | Vbat Ok | Ready | OFF Line "
                          "| Mark OK | Cutter OK |  \n");
    EXPECT_THAT(status.err, HasSubstr("reports a fault: °C Head Problem, No Paper"));
}

// A line whose receive wire is held low brings endless zero bytes, and zero is what a printer
// answers ESC s with when it stored the settings: no printer is found, nothing is "stored".
TEST_F(PrinterCommandTest, ALineHeldLowIsNoPrinter) {
    start({"--line-low"});
    const auto found = runCli({"detect", "--port", device});
    EXPECT_EQ(found.status, 1) << found.err;
    EXPECT_EQ(found.out, "No printer found on " + device + " at 9600 bauds\n");
    const auto sent = runCli({"send", pcf(""), "--port", device, "--yes"});
    EXPECT_EQ(sent.status, 1);
    EXPECT_THAT(sent.out, Not(HasSubstr("Saving Sequence Successful !")));
    EXPECT_THAT(sent.err, HasSubstr("No printer found on " + device));
    const auto searched = runCli({"send", pcf(""), "--port", device, "--yes", "--speed", "auto"});
    EXPECT_EQ(searched.status, 1);
    EXPECT_THAT(searched.out, Not(HasSubstr("Successful")));
    // Nor is its stream of zeros a status byte (a cutter fault): nobody answered.
    const auto status = runCli({"status", "--port", device, "--json"});
    EXPECT_EQ(status.status, 1) << status.err;
    EXPECT_THAT(status.out, HasSubstr("\"result\":\"no_answer\""));
    EXPECT_THAT(status.out, HasSubstr("\"status_byte\":null"));
}

// Noise is no printer: a line at the wrong speed (every byte 0xFF), a device of random bytes.
TEST_F(PrinterCommandTest, NoiseIsNoPrinter) {
    start({"--garbage"});
    for (const char* speed : {"9600", "auto"}) {
        const auto garbage = runCli({"detect", "--port", device, "--speed", speed, "--json"});
        EXPECT_EQ(garbage.status, 1) << speed << ": " << garbage.out;
        EXPECT_TRUE(jsonOf(garbage.out).value("identity").isNull()) << speed;
    }
    const auto random = runCli({"detect", "--port", "USB1"}, {"TESSARO_USB1=/dev/urandom"});
    EXPECT_EQ(random.status, 1) << random.out;
    EXPECT_EQ(random.out, "No printer found on USB 1\n");
}

// A printer that goes during the saving wait (here its terminal closes, as when an adapter is
// pulled): the port is lost, said so, never blamed on the printer's firmware.
TEST_F(PrinterCommandTest, APrinterGoneDuringTheSavingWaitIsALostPort) {
    start({"--no-save-reply"});
    SimProcess send({"send", pcf(""), "--port", device, "--yes"}, TESSARO_CLI_PATH,
                    SimProcess::Streams::OutputAndErrors);
    ASSERT_TRUE(sim->waitFor("ESC s", 10s)) << sim->output();
    sim.reset(); // the printer's end of the line closes: the saving wait has 500 ms to go
    EXPECT_EQ(send.exitStatus(10s), 3);
    const std::string said = send.readUntil([](const std::string&) { return false; }, 5s);
    EXPECT_THAT(said, HasSubstr(device));
    EXPECT_THAT(said, Not(HasSubstr("software revision")));
    EXPECT_THAT(said, Not(HasSubstr("Successful")));
}

} // namespace
} // namespace tessaro::test
