// SPDX-License-Identifier: GPL-3.0-or-later
// What an unusable port is said to suffer from, on a made-up machine for each case (the
// search on this machine is seen through SerialDevice).

#include "link/PortDiagnosis.h"

#include "message/English.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/sysmacros.h>
#include <vector>

namespace tessaro::link {
namespace {

using message::english;
using message::Message;

constexpr gid_t kDialout = 20;
constexpr gid_t kLp = 7;
const dev_t kAdapter = makedev(188, 0);

struct FakeSystem final : SystemView {
    std::optional<Device> device(const std::string& path) const override {
        const auto found = devices.find(path);
        return found != devices.end() ? std::optional<Device>(found->second) : std::nullopt;
    }
    uid_t user() const override { return 1000; }
    std::optional<std::string> groupName(gid_t group) const override {
        const auto found = groupNames.find(group);
        return found != groupNames.end() ? std::optional<std::string>(found->second) : std::nullopt;
    }
    bool listedInGroup(gid_t group) const override { return listed.contains(group); }
    bool processHasGroup(gid_t group) const override { return session.contains(group); }
    pid_t self() const override { return 100; }
    void forEachProcess(const std::function<bool(pid_t)>& visit) const override {
        for (const auto& [process, files] : openFiles) {
            if (!visit(process)) {
                return;
            }
        }
    }
    void forEachOpenFile(pid_t process,
                         const std::function<bool(const OpenFile&)>& visit) const override {
        for (const OpenFile& file : openFiles.at(process)) {
            if (!visit(file)) {
                return;
            }
        }
    }
    std::string processName(pid_t process) const override { return names.at(process); }

    std::map<std::string, Device> devices{
        {"/dev/ttyUSB0", {0, kDialout, 0660, kAdapter}},
        {"/dev/serial/by-id/usb-FTDI-if00", {0, kDialout, 0660, kAdapter}},
        {"/dev/usb/lp0", {0, kLp, 0660, makedev(180, 0)}}};
    std::map<gid_t, std::string> groupNames{{0, "root"}, {kLp, "lp"}, {kDialout, "dialout"}};
    std::set<gid_t> listed, session;
    std::map<pid_t, std::vector<OpenFile>> openFiles;
    std::map<pid_t, std::string> names;
};

TEST(PortDiagnosis, PermissionNamesTheDevicesGroupAndWhatHelps) {
    FakeSystem system;
    const std::string usb = "/dev/ttyUSB0";
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group dialout, and you are not in "
              "it; join it (sudo adduser $USER dialout), then log in again");
    EXPECT_EQ(english(permissionDenied("/dev/usb/lp0", Message::shown("-"), system)),
              "permission denied: /dev/usb/lp0 belongs to the group lp, and you are not in it; "
              "join it (sudo adduser $USER lp), then log in again");

    system.listed = {kDialout};
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group dialout, which you joined "
              "after this session started: log in again (or run newgrp dialout)");

    system.session = {kDialout};
    system.devices[usb].mode = 0600;
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group dialout, and you are in it, "
              "but the device allows its group no read and write (mode 0600)");
    system.devices[usb].mode = 0660;
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group dialout, and you are in it; "
              "its mode (0660) lets its group read and write, so something else refuses it (an "
              "access control list, a security policy or a sandbox)");

    // Joining helps only a group that may read and write, and not the system's own group.
    system.devices[usb] = {0, 0, 0660, kAdapter};
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group root, and you are not in it");
    system.devices[usb] = {0, kLp, 0640, kAdapter};
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 belongs to the group lp, but the device allows its "
              "group no write (mode 0640)");
    system.devices[usb] = {1000, kLp, 0460, kAdapter};
    EXPECT_EQ(english(permissionDenied(usb, Message::shown("-"), system)),
              "permission denied: /dev/ttyUSB0 is yours, but the device allows its owner no write "
              "(mode 0460)");

    EXPECT_EQ(english(permissionDenied("/dev/ttyUSB9",
                                       Message::shown("permission denied; join the dialout group"),
                                       system)),
              "permission denied; join the dialout group");
}

TEST(PortDiagnosis, InUseNamesAnotherProcessThatHoldsTheDevice) {
    FakeSystem system;
    const std::string usb = "/dev/ttyUSB0";
    system.openFiles = {{100, {{usb, kAdapter}}}, {300, {{"pipe:[77]", {}}}}};
    system.names = {{100, "tessaro"}, {300, "bash"}};
    // Its own process is never the one named: another user's processes are not seen at all.
    EXPECT_EQ(english(inUse(usb, Message::shown("in use by another program"), system)),
              "in use by another program (ModemManager, which probes new modems, may hold it: "
              "`sudo fuser -v /dev/ttyUSB0` names the holder)");
    EXPECT_EQ(english(inUse("/dev/ttyS0", Message::shown("in use by another program"), system)),
              "in use by another program");

    system.openFiles[812] = {{"/dev/null", makedev(1, 3)}, {usb, kAdapter}};
    system.names[812] = "ModemManager";
    EXPECT_EQ(english(inUse(usb, Message::shown("-"), system)),
              "in use by ModemManager (process 812)");
    // By another name: the device's number says it is the same.
    EXPECT_EQ(english(inUse("/dev/serial/by-id/usb-FTDI-if00", Message::shown("-"), system)),
              "in use by ModemManager (process 812)");
    system.names[812] = "evil\x1b]0;x\x07";
    EXPECT_EQ(english(inUse(usb, Message::shown("-"), system)),
              "in use by evil?]0;x? (process 812)");
    system.names[812] = "";
    EXPECT_EQ(english(inUse(usb, Message::shown("-"), system)), "in use by process 812");
}

TEST(PortDiagnosis, OnlyUsbSerialAdaptersGetTheUsualCulprits) {
    for (const char* adapter : {"/dev/ttyUSB0", "/dev/ttyACM3"}) {
        EXPECT_EQ(english(vanished(adapter, Message::shown("the device was disconnected"))),
                  "the device was disconnected (if it was not unplugged, ModemManager or brltty "
                  "may have taken it: `dmesg` shows which)");
    }
    for (const char* other : {"/dev/ttyS0", "/dev/pts/4", "/tmp/ttyUSB0", "/dev/usb/lp0"}) {
        EXPECT_EQ(english(vanished(other, Message::shown("no such device"))), "no such device")
            << other;
    }
}

} // namespace
} // namespace tessaro::link
