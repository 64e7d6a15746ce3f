// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortMap.h"

#include "link/Ieee1284Ports.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace tessaro::link {

PortMap::PortMap(std::vector<std::string> serialDevices,
                 std::vector<ParallelDevice> parallelDevices, Environment environment,
                 std::vector<std::string> usbDevices)
    : serialDevices_(std::move(serialDevices)), parallelDevices_(std::move(parallelDevices)),
      environment_(std::move(environment)), usbDevices_(std::move(usbDevices)) {}

namespace {

std::vector<std::string> systemSerialDevices() {
    auto ports = QSerialPortInfo::availablePorts();
    std::sort(ports.begin(), ports.end(),
              [](const auto& a, const auto& b) { return a.portName() < b.portName(); });
    std::vector<std::string> devices;
    for (const auto& port : ports) {
        devices.push_back(port.systemLocation().toStdString());
    }
    return devices;
}

// The USB printer-class devices (usblp), in the order of their numbers.
std::vector<std::string> systemUsbPrinters() {
    std::vector<std::pair<int, std::string>> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/usb", error)) {
        const std::string name = entry.path().filename().string();
        int number = -1;
        if (name.starts_with("lp") &&
            std::from_chars(name.data() + 2, name.data() + name.size(), number).ptr ==
                name.data() + name.size()) {
            found.emplace_back(number, entry.path().string());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> devices;
    for (auto& [number, path] : found) {
        devices.push_back(std::move(path));
    }
    return devices;
}

std::optional<std::string> processEnvironment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

PortMap PortMap::fromSystem() {
    PortMap map({}, kernelParallelPorts(), processEnvironment);
    map.setPlugSource([] { return PlugDevices{systemSerialDevices(), systemUsbPrinters()}; });
    map.refresh();
    return map;
}

void PortMap::refresh() {
    if (plugSource_) {
        PlugDevices devices = plugSource_();
        serialDevices_ = std::move(devices.serial);
        usbDevices_ = std::move(devices.usb);
    }
}

std::optional<std::string> PortMap::override(const std::string& name) const {
    return environment_ ? environment_("TESSARO_" + name) : std::nullopt;
}

// Port n of a family: its override, else the n-th device the system lists.
std::string PortMap::deviceOf(const std::string& family, int n, int count,
                              const std::vector<std::string>& devices) const {
    if (n < 1 || n > count) {
        return "";
    }
    if (const auto device = override(family + std::to_string(n))) {
        return *device;
    }
    const auto index = static_cast<std::size_t>(n - 1);
    return index < devices.size() ? devices[index] : "";
}

std::string PortMap::comDevice(int n) const {
    return deviceOf("COM", n, kComPorts, serialDevices_);
}

std::string PortMap::usbDevice(int n) const {
    return deviceOf("USB", n, kUsbPorts, usbDevices_);
}

LptPort PortMap::lpt(int n) const {
    if (n < 1 || n > kLptPorts) {
        return {};
    }
    if (const auto value = override("LPT" + std::to_string(n))) {
        if (value->empty()) {
            return {};
        }
        return {*value == "virtual" ? LptPort::Kind::Virtual : LptPort::Kind::Device, *value};
    }
    // A device serves one name at most: the names without an override share, in order, the
    // kernel ports that no override has taken.
    std::vector<std::string> taken;
    std::size_t rank = 0;
    for (int other = 1; other <= kLptPorts; ++other) {
        if (const auto value = override("LPT" + std::to_string(other))) {
            if (const auto device = kernelPort(*value)) {
                taken.push_back(device->device);
            }
        } else if (other < n) {
            ++rank;
        }
    }
    for (const auto& device : parallelDevices_) {
        if (std::ranges::find(taken, device.device) == taken.end() && rank-- == 0) {
            return {LptPort::Kind::Device, device.device};
        }
    }
    return {};
}

std::optional<ParallelDevice> PortMap::kernelPort(const std::string& text) const {
    for (const auto& device : parallelDevices_) {
        if (device.device == text || device.name == text) {
            return device;
        }
    }
    return std::nullopt;
}

std::optional<ParallelDevice> PortMap::parallelDevice(int n) const {
    const LptPort port = lpt(n);
    return port.kind == LptPort::Kind::Device ? kernelPort(port.device) : std::nullopt;
}

std::string PortMap::shownName(bool usb, int n) const {
    const std::string device = usb ? usbDevice(n) : comDevice(n);
    if (showByDevice_ && !device.empty()) {
        return device;
    }
    return (usb ? "USB " : "COM ") + std::to_string(n);
}

std::string PortMap::describe(bool usb, int n) const {
    const std::string device = usb ? usbDevice(n) : comDevice(n);
    if (showByDevice_ && !device.empty()) {
        return device;
    }
    const std::string name = (usb ? "USB" : "COM") + std::to_string(n);
    return device.empty() ? name : name + " (" + device + ")";
}

std::vector<PortLine> PortMap::lines() const {
    std::vector<PortLine> lines;
    for (int n = 1; n <= kComPorts; ++n) {
        const std::string device = comDevice(n);
        std::error_code ignored;
        lines.push_back({"COM" + std::to_string(n), device,
                         !device.empty() && std::filesystem::exists(device, ignored)});
    }
    for (int n = 1; n <= kUsbPorts; ++n) {
        const std::string device = usbDevice(n);
        std::error_code ignored;
        lines.push_back({"USB" + std::to_string(n), device,
                         !device.empty() && std::filesystem::exists(device, ignored)});
    }
    for (int n = 1; n <= kLptPorts; ++n) {
        const LptPort port = lpt(n);
        const bool present = port.kind == LptPort::Kind::Virtual || parallelDevice(n).has_value();
        lines.push_back({"LPT" + std::to_string(n), port.device, present});
    }
    return lines;
}

} // namespace tessaro::link
