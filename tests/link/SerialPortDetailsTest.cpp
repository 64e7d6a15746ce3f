// SPDX-License-Identifier: GPL-3.0-or-later
// A USB-serial adapter described by what the system knows of it.

#include "link/SerialPortDetails.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

TEST(SerialPortDetails, NamesTheAdapterByWhatIsKnown) {
    SerialPortFacts facts;
    EXPECT_EQ(describeSerialPort(facts), "");
    facts.vendorId = 0x0403;
    facts.productId = 0x6001;
    facts.description = "FT232R USB UART";
    facts.manufacturer = "FTDI";
    facts.serialNumber = "A50285BI";
    facts.stableName = "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0";
    EXPECT_EQ(describeSerialPort(facts), "USB 0403:6001, FT232R USB UART (FTDI), serial A50285BI, "
                                         "/dev/serial/by-id/usb-FTDI_A50285BI-if00-port0");
    facts.vendorId.reset();
    facts.description = "FTDI adapter"; // the maker is not said twice
    facts.serialNumber.clear();
    facts.stableName.clear();
    EXPECT_EQ(describeSerialPort(facts), "FTDI adapter");
}

TEST(SerialPortDetails, FindsTheStableNameThatPointsToTheDevice) {
    test::TempDir dir;
    const auto device = dir.write("ttyUSB0", "");
    const auto other = dir.write("ttyUSB1", "");
    std::filesystem::create_directory(dir / "by-id");
    std::filesystem::create_symlink("../ttyUSB1", dir / "by-id" / "usb-other");
    std::filesystem::create_symlink("../ttyUSB0", dir / "by-id" / "usb-printer-adapter");
    EXPECT_EQ(stableNameOf(device.string(), dir / "by-id"),
              (dir / "by-id" / "usb-printer-adapter").string());
    EXPECT_EQ(stableNameOf((dir / "gone").string(), dir / "by-id"), "");
    EXPECT_EQ(stableNameOf(other.string(), dir / "nowhere"), "");
}

} // namespace
} // namespace tessaro::link
