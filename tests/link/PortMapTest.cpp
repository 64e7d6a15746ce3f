// SPDX-License-Identifier: GPL-3.0-or-later
// Which device each COM and LPT port stands for, and the environment's overrides.

#include "link/PortMap.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace tessaro::link {
namespace {

PortMap mapWith(std::map<std::string, std::string> environment,
                std::vector<std::string> serial = {"/dev/ttyS0", "/dev/ttyUSB0"},
                std::vector<ParallelDevice> parallel = {{"parport0", "/dev/parport0"}}) {
    return PortMap(std::move(serial), std::move(parallel),
                   [environment](const std::string& name) -> std::optional<std::string> {
                       const auto it = environment.find(name);
                       return it == environment.end() ? std::nullopt
                                                      : std::optional<std::string>(it->second);
                   });
}

TEST(PortMap, DefaultsFollowTheSystemsOrder) {
    const PortMap map = mapWith({});
    EXPECT_EQ(map.comDevice(1), "/dev/ttyS0");
    EXPECT_EQ(map.comDevice(2), "/dev/ttyUSB0");
    EXPECT_EQ(map.comDevice(3), "");
    EXPECT_EQ(map.comDevice(0), "");
    EXPECT_EQ(map.comDevice(7), "");
    EXPECT_EQ(map.lpt(1).kind, LptPort::Kind::Device);
    EXPECT_EQ(map.lpt(1).device, "/dev/parport0");
    EXPECT_EQ(map.lpt(2).kind, LptPort::Kind::Absent);
}

TEST(PortMap, OverridesReplaceHideOrVirtualise) {
    const PortMap map = mapWith({{"TESSARO_COM1", ""},
                                 {"TESSARO_COM4", "/tmp/printer"},
                                 {"TESSARO_LPT1", ""},
                                 {"TESSARO_LPT2", "virtual"}});
    EXPECT_EQ(map.comDevice(1), "");
    EXPECT_EQ(map.comDevice(2), "/dev/ttyUSB0");
    EXPECT_EQ(map.comDevice(4), "/tmp/printer");
    EXPECT_EQ(map.lpt(1).kind, LptPort::Kind::Absent);
    EXPECT_EQ(map.lpt(2).kind, LptPort::Kind::Virtual);
}

TEST(PortMap, AFailureNamesThePortAndItsDeviceOnOneLine) {
    const PortMap map = mapWith({{"TESSARO_COM3", "/tmp/a\nb"}});
    EXPECT_EQ(map.describe(PortRef::numbered(LinkKind::Serial, 1)), "COM1 (/dev/ttyS0)");
    EXPECT_EQ(map.describe(PortRef::numbered(LinkKind::Serial, 3)), "COM3 (/tmp/a\\x0ab)");
    EXPECT_EQ(map.describe(PortRef::numbered(LinkKind::Serial, 5)), "COM5");
    EXPECT_EQ(map.describe(PortRef::device(LinkKind::Serial, "/tmp/c\rd")), "/tmp/c\\x0dd");
}

TEST(PortMap, AnLptOverrideNamesAKernelPortByNameOrDevice) {
    const std::vector<ParallelDevice> kernel{{"parport0", "/dev/parport0"},
                                             {"parport1", "/dev/parport1"}};
    const PortMap byName = mapWith({{"TESSARO_LPT1", "parport1"}}, {}, kernel);
    ASSERT_TRUE(byName.parallelDevice(1).has_value());
    EXPECT_EQ(byName.parallelDevice(1)->device, "/dev/parport1");
    const PortMap unknown = mapWith({{"TESSARO_LPT1", "/dev/parport9"}}, {}, kernel);
    EXPECT_FALSE(unknown.parallelDevice(1).has_value());
}

TEST(PortMap, LinesTellPresenceByTheDeviceExisting) {
    test::TempDir dir;
    const auto device = dir.write("tty", "");
    const PortMap map = mapWith({{"TESSARO_COM1", device.string()},
                                 {"TESSARO_COM2", (dir / "gone").string()},
                                 {"TESSARO_LPT2", "virtual"},
                                 {"TESSARO_USB2", device.string()}},
                                {}, {});
    const auto lines = map.lines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].name, "COM1");
    EXPECT_TRUE(lines[0].present);
    EXPECT_FALSE(lines[1].present);
    EXPECT_EQ(lines[1].device, (dir / "gone").string());
    EXPECT_FALSE(lines[2].present);
    EXPECT_EQ(lines[6].name, "USB1");
    EXPECT_FALSE(lines[6].present);
    EXPECT_EQ(lines[7].name, "USB2");
    EXPECT_TRUE(lines[7].present);
    EXPECT_EQ(lines[10].name, "LPT1");
    EXPECT_FALSE(lines[10].present);
    EXPECT_TRUE(lines[11].present);
    EXPECT_EQ(lines[11].device, "virtual");
}

TEST(PortMap, ReadsThePluggedDevicesAgainOnRefresh) {
    int reads = 0;
    PortMap map({}, {}, {});
    map.setPlugSource([&reads] {
        ++reads;
        return reads == 1 ? PortMap::PlugDevices{{"/dev/ttyS0"}, {}}
                          : PortMap::PlugDevices{{"/dev/ttyS0", "/dev/ttyUSB0"}, {"/dev/usb/lp0"}};
    });
    map.refresh();
    EXPECT_EQ(map.comDevice(2), "");
    EXPECT_EQ(map.usbDevice(1), "");
    map.refresh(); // an adapter and a USB printer plugged in since
    EXPECT_EQ(map.comDevice(2), "/dev/ttyUSB0");
    EXPECT_EQ(map.usbDevice(1), "/dev/usb/lp0");
}

} // namespace
} // namespace tessaro::link
