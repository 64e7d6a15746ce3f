// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli on a USB printer: the virtual printer on a pseudo-terminal stands in for
// /dev/usb/lpN, mapped with TESSARO_USB1; the USB link sets no terminal settings.

#include "cli/CliRunner.h"
#include "support/SimProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class UsbPrinterTest : public ::testing::Test {
  protected:
    void start(std::vector<std::string> options = {}) {
        options.insert(options.end(), {"--usb", "--time-limit", "120"});
        sim = std::make_unique<SimProcess>(options);
        device = sim->device();
        ASSERT_FALSE(device.empty());
    }
    // The printer on USB1 and no other port.
    CliResult run(const std::vector<std::string>& args) const {
        return runCli(args,
                      {"TESSARO_USB1=" + device, "TESSARO_USB2=", "TESSARO_USB3=", "TESSARO_USB4=",
                       "TESSARO_COM1=", "TESSARO_COM2=", "TESSARO_COM3=", "TESSARO_COM4=",
                       "TESSARO_COM5=", "TESSARO_COM6=", "TESSARO_LPT1=", "TESSARO_LPT2="});
    }

    std::unique_ptr<SimProcess> sim;
    std::string device;
};

TEST_F(UsbPrinterTest, DetectAsksWhatTheSerialProbeAsksWithoutTheSettingsQuery) {
    start();
    const auto r = run({"detect", "--port", "USB1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "R62 VIRTUAL PRN found on USB 1\nUSB 1\n    R62 VIRTUAL PRN  V1.04\n"
                     "Power: 24V\n");
    EXPECT_EQ(r.err, "");
    ASSERT_TRUE(sim->waitFor("GS S C", 2s));
    const std::string log = sim->output();
    EXPECT_THAT(log, HasSubstr("ESC I  identity request"));
    EXPECT_THAT(log, HasSubstr("ESC v  status request"));
    EXPECT_THAT(log, Not(HasSubstr("GS S f FS")));
}

TEST_F(UsbPrinterTest, SendStoresTheParametersAndASpeedChangeLeavesTheLinkAlone) {
    start();
    TempDir dir;
    const auto file = dir.write("job.pcf", kProfile + kTo19200);
    const auto r = run({"send", file.string(), "--port", "USB1", "--yes"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Setting serial com (GS B n)\nSaving parameters\n"
                                 "Parameters saved...   \nSaving Sequence Successful !\n"));
    EXPECT_THAT(r.out, Not(HasSubstr("BAUDS")));
    ASSERT_TRUE(sim->waitFor("ESC s  save -> 00", 2s));
    EXPECT_THAT(sim->output(), HasSubstr("GS B 84"));
    // The printer's serial speed changed; its USB link did not.
    const auto again = run({"status", "--port", "USB1"});
    EXPECT_EQ(again.status, 0) << again.err;
}

TEST_F(UsbPrinterTest, TheSearchTriesUsbPrintersAfterTheComPorts) {
    start();
    const auto r = run({"detect", "--auto"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.out, StartsWith("R62 VIRTUAL PRN found on USB 1\n"));
    EXPECT_THAT(r.err, HasSubstr("Attempting to contact printer on USB 1.\n"));
}

TEST_F(UsbPrinterTest, AnAbsentUsbPortIsNamed) {
    start();
    const auto r = run({"detect", "--port", "USB3"});
    EXPECT_EQ(r.status, 3); // the port could not be used
    EXPECT_EQ(r.err, "This port does not exist\nUSB3: no USB printer has this number\n");
}

// A device that reads as endless zero bytes answers no identity: no printer, nothing sent.
TEST(UsbZeroDevice, IsNoPrinter) {
    const std::vector<std::string> zeros{"TESSARO_USB1=/dev/zero",
                                         "TESSARO_USB2=", "TESSARO_USB3=", "TESSARO_USB4="};
    const auto found = runCli({"detect", "--port", "USB1"}, zeros);
    EXPECT_EQ(found.status, 1) << found.err;
    EXPECT_EQ(found.out, "No printer found on USB 1\n");
    TempDir dir;
    const auto file = dir.write("job.pcf", "");
    const auto sent = runCli({"send", file.string(), "--port", "USB1", "--yes"}, zeros);
    EXPECT_EQ(sent.status, 1);
    EXPECT_THAT(sent.out, Not(HasSubstr("Saving Sequence Successful !")));
    EXPECT_EQ(sent.err, "No printer found on USB 1\n");
}

} // namespace
} // namespace tessaro::test
