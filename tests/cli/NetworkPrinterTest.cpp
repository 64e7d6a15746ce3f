// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli on a network printer: the virtual printer serves raw TCP on the loopback
// interface, reached with --port tcp://HOST:PORT.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::AnyOf;
using ::testing::HasSubstr;
using ::testing::Not;

class NetworkPrinterTest : public ::testing::Test {
  protected:
    void start(std::vector<std::string> options) {
        options.insert(options.end(), {"--tcp", "127.0.0.1:0", "--time-limit", "120"});
        sim = std::make_unique<SimProcess>(options);
        address = sim->device(); // "TCP 127.0.0.1:PORT": the address after the word
        ASSERT_FALSE(address.empty());
    }

    std::unique_ptr<SimProcess> sim;
    std::string address;
};

TEST_F(NetworkPrinterTest, DetectSendAndStatusOverTcp) {
    ASSERT_NO_FATAL_FAILURE(start({}));
    const std::string port = "tcp://" + address;
    const auto found = runCli({"detect", "--port", port});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "R62 VIRTUAL PRN found on " + address + "\n" + address +
                             "\n    R62 VIRTUAL PRN  V1.04\nPower: 24V\n");
    TempDir dir;
    const auto file = dir.write("job.pcf", kProfile + kTo19200);
    const auto sent = runCli({"send", file.string(), "--port", port, "--yes"});
    EXPECT_EQ(sent.status, 0) << sent.err;
    EXPECT_THAT(sent.out, HasSubstr("Saving Sequence Successful !\n"));
    EXPECT_THAT(sent.out, Not(HasSubstr("BAUDS")));
    ASSERT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS / 09"));
    const auto status = runCli({"status", "--port", port});
    EXPECT_EQ(status.status, 0) << status.err;
}

TEST_F(NetworkPrinterTest, ARefusedConnectionNamesTheAddress) {
    const auto r = runCli({"detect", "--port", "tcp://127.0.0.1:1"});
    EXPECT_EQ(r.status, 3); // the port could not be used
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "127.0.0.1:1: Connection refused\n");
}

TEST_F(NetworkPrinterTest, APrinterThatHangsUpMidwayFailsTheTransmissionNamingIt) {
    // The detection's 7 bytes pass, the commands do not.
    ASSERT_NO_FATAL_FAILURE(start({"--hang-up-after", "20"}));
    TempDir dir;
    const auto file = dir.write("job.pcf", kProfile);
    const auto r = runCli({"send", file.string(), "--port", "tcp://" + address, "--all", "--yes"});
    EXPECT_EQ(r.status, 3); // the port could not be used
    // A close with our bytes still unread reaches us as a reset rather than an end of stream,
    // as the timing falls: either way the message names the printer that went.
    EXPECT_THAT(r.err, AnyOf(HasSubstr(address + ": the printer closed the connection"),
                             HasSubstr(address + ": the printer went away (Connection reset")));
    EXPECT_THAT(r.out, Not(HasSubstr("Successful")));
    EXPECT_THAT(r.err, Not(HasSubstr("software revision")));
}

// The printer answers ESC I, then closes the connection at the next request: the detection
// ends with the port lost, never as a printer found with a chipset it did not hear.
TEST_F(NetworkPrinterTest, APrinterThatHangsUpAfterItsIdentityIsALostPort) {
    ASSERT_NO_FATAL_FAILURE(start({"--hang-up-after", "3"}));
    const std::string port = "tcp://" + address;
    const auto found = runCli({"detect", "--port", port, "--json"});
    EXPECT_EQ(found.status, 3) << found.err; // the port could not be used
    EXPECT_THAT(found.out, HasSubstr("\"result\":\"port_lost\""));
    EXPECT_THAT(found.out, HasSubstr("\"chipset_volts\":null"));
    EXPECT_THAT(found.err, AnyOf(HasSubstr(address + ": the printer closed the connection"),
                                 HasSubstr(address + ": the printer went away (Connection reset")));
    TempDir dir;
    const auto file = dir.write("job.pcf", kProfile);
    const auto sent = runCli({"send", file.string(), "--port", port, "--yes"});
    EXPECT_EQ(sent.status, 3) << sent.err;
    EXPECT_THAT(sent.out, Not(HasSubstr("found on")));
    EXPECT_THAT(sent.out, Not(HasSubstr("Successful")));
    EXPECT_FALSE(sim->waitFor("GS / 09", 300ms)) << sim->output();
}

// A printer that closes the connection at the status request is a lost port for status as it
// is for detect and send, not a printer that did not answer.
TEST_F(NetworkPrinterTest, APrinterThatHangsUpAtTheStatusRequestIsALostPort) {
    ASSERT_NO_FATAL_FAILURE(start({"--hang-up-after", "1"}));
    const auto status = runCli({"status", "--port", "tcp://" + address, "--json"});
    EXPECT_EQ(status.status, 3) << status.err;
    EXPECT_THAT(status.out, HasSubstr("\"result\":\"port_lost\""));
    EXPECT_THAT(status.err,
                AnyOf(HasSubstr(address + ": the printer closed the connection"),
                      HasSubstr(address + ": the printer went away (Connection reset")));
}

} // namespace
} // namespace tessaro::test
