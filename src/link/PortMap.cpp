// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortMap.h"

#include "link/Ieee1284Ports.h"
#include "message/ShownText.h"

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
std::string PortMap::numberedDevice(const std::string& family, int n, int count,
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

std::string PortMap::lockDirectory() const {
    return override("LOCKDIR").value_or("/var/lock");
}

std::string PortMap::comDevice(int n) const {
    return numberedDevice("COM", n, kComPorts, serialDevices_);
}

std::string PortMap::usbDevice(int n) const {
    return numberedDevice("USB", n, kUsbPorts, usbDevices_);
}

LptPort PortMap::lpt(int n) const {
    if (n < 1 || n > kLptPorts) {
        return {};
    }
    if (n == 1 && givenLpt1_) {
        return {LptPort::Kind::Device, *givenLpt1_};
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
        const auto value =
            other == 1 && givenLpt1_ ? givenLpt1_ : override("LPT" + std::to_string(other));
        if (value) {
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

std::string PortMap::deviceOf(const PortRef& port) const {
    if (port.byAddress() || port.byDevice()) {
        return port.device();
    }
    return port.row().numberedDevice(*this, port.number());
}

bool PortMap::exists(const PortRef& port) const {
    return port.row().present(*this, port);
}

bool PortMap::hasDevice(const PortRef& port) const {
    const std::string device = deviceOf(port);
    std::error_code ignored;
    return !device.empty() && std::filesystem::exists(device, ignored);
}

PortRef PortMap::numberedIfMapped(const PortRef& port) const {
    if (!port.byDevice()) {
        return port;
    }
    for (int n = 1; n <= port.row().count; ++n) {
        const PortRef numbered = PortRef::numbered(port.kind(), n);
        const std::string device = deviceOf(numbered);
        std::error_code ec;
        if (!device.empty() &&
            (device == port.device() || std::filesystem::equivalent(device, port.device(), ec))) {
            return numbered;
        }
    }
    return port;
}

std::string PortMap::describe(const PortRef& port) const {
    if (port.byDevice()) {
        return port.shownName();
    }
    const std::string device = deviceOf(port);
    return device.empty() ? port.shownText()
                          : port.shownText() + " (" + message::oneLine(device) + ")";
}

// Every numbered port, kind after kind in the order the automatic search takes them.
std::vector<PortLine> PortMap::lines() const {
    std::vector<const LinkKindDescriptor*> kinds;
    std::copy_if(kLinkKinds.begin(), kLinkKinds.end(), std::back_inserter(kinds),
                 [](const auto* kind) { return kind->count > 0; });
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const auto* a, const auto* b) { return a->searchRank < b->searchRank; });
    std::vector<PortLine> lines;
    for (const LinkKindDescriptor* kind : kinds) {
        for (int n = 1; n <= kind->count; ++n) {
            const PortRef port = PortRef::numbered(kind->kind, n);
            lines.push_back({port, port.text(), deviceOf(port), exists(port)});
        }
    }
    return lines;
}

} // namespace tessaro::link
