// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device each of the program's ports stands for: COM1..COM6, LPT1, LPT2 and the USB
// printers USB1..USB4.
// By default the n-th serial port the system reports and the n-th kernel parallel port;
// TESSARO_COMn and TESSARO_LPTn override them (a device, or empty for no port; "virtual"
// for an LPT puts the in-process virtual printer there); USBn is by default the n-th USB
// printer device (/dev/usb/lp0, ...), TESSARO_USBn overrides it. A kernel parallel port serves one
// LPT at most: one an override names is no other LPT's default.

#include "link/LinkKinds.h"
#include "link/PortRef.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessaro::link {

struct ParallelDevice {
    std::string name;   // "parport0"
    std::string device; // "/dev/parport0"
};

struct LptPort {
    enum class Kind { Absent, Device, Virtual };
    Kind kind = Kind::Absent;
    std::string device; // the kernel port's device or the override's text
};

struct PortLine {
    PortRef port;
    std::string name;   // "COM1", "LPT2"
    std::string device; // "" when there is none
    bool present = false;
};

class PortMap {
  public:
    using Environment = std::function<std::optional<std::string>(const std::string&)>;

    PortMap(std::vector<std::string> serialDevices, std::vector<ParallelDevice> parallelDevices,
            Environment environment, std::vector<std::string> usbDevices = {});
    // The ports this machine has, with the process environment's overrides.
    static PortMap fromSystem();

    // Where the serial and USB printer devices come from, to be read again.
    struct PlugDevices {
        std::vector<std::string> serial;
        std::vector<std::string> usb;
    };
    using PlugSource = std::function<PlugDevices()>;
    void setPlugSource(PlugSource source) { plugSource_ = std::move(source); }
    // Reads the serial and USB printer devices again (an adapter plugged in since); the
    // kernel's parallel ports stay as they were found.
    void refresh();

    // The device of COM n; "" when the port does not exist.
    std::string comDevice(int n) const;
    LptPort lpt(int n) const;
    // The device of USB n; "" when the port does not exist.
    std::string usbDevice(int n) const;
    // The kernel parallel port an LPT stands for, when it is one of them.
    std::optional<ParallelDevice> parallelDevice(int n) const;
    std::vector<PortLine> lines() const;

    // Where the UUCP lock files of serial ports are (LCK..ttyUSB0): /var/lock, or what
    // TESSARO_LOCKDIR says; empty for none.
    std::string lockDirectory() const;

    // An LPT given by its device path (/dev/parport1) stands for LPT1 of this map.
    void assignLpt1(std::string device) { givenLpt1_ = std::move(device); }

    // The device of a serial or USB port (its own path when given by it), or of an LPT, or
    // a network printer's address; "" when the port does not exist.
    std::string deviceOf(const PortRef& port) const;
    // Whether the port is there: its device exists, the LPT is a kernel port or the virtual
    // printer; a network printer is there until a connection says otherwise.
    bool exists(const PortRef& port) const;
    // Whether the port's device (deviceOf) is there.
    bool hasDevice(const PortRef& port) const;
    // A device path that one of the numbered ports of its kind stands for is that port; any
    // other port is itself.
    PortRef numberedIfMapped(const PortRef& port) const;
    // How a failure names the port: "COM1 (/dev/ttyS0)", "USB2", or the device path alone
    // for a port given by it; on one line (PortRef::shownText).
    std::string describe(const PortRef& port) const;

  private:
    std::optional<std::string> override(const std::string& name) const;
    std::string numberedDevice(const std::string& family, int n, int count,
                               const std::vector<std::string>& devices) const;
    // The kernel port with this device path or name ("/dev/parport0", "parport0").
    std::optional<ParallelDevice> kernelPort(const std::string& text) const;

    std::vector<std::string> serialDevices_;
    std::vector<ParallelDevice> parallelDevices_;
    Environment environment_;
    std::vector<std::string> usbDevices_;
    PlugSource plugSource_;
    std::optional<std::string> givenLpt1_;
};

} // namespace tessaro::link
