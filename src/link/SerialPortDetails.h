// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the system knows of a serial port beyond its device: for a USB-serial adapter its
// vendor and product ids, description, maker, serial number and the stable name under
// /dev/serial/by-id, so that a user tells one adapter from another.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tessaro::link {

struct SerialPortFacts {
    std::optional<std::uint16_t> vendorId;
    std::optional<std::uint16_t> productId;
    std::string description;  // "FT232R USB UART"
    std::string manufacturer; // "FTDI"
    std::string serialNumber; // "A50285BI"
    std::string stableName;   // "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
};

// "USB 0403:6001, FT232R USB UART (FTDI), serial A50285BI, /dev/serial/by-id/..."; the parts
// the system does not know are left out; "" when it knows none.
std::string describeSerialPort(const SerialPortFacts& facts);

// The link in folder that points to device ("" when none does).
std::string stableNameOf(const std::string& device,
                         const std::filesystem::path& folder = "/dev/serial/by-id");

// The facts of the port at device, as the system reports them.
SerialPortFacts serialPortFacts(const std::string& device);

} // namespace tessaro::link
