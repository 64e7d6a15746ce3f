// SPDX-License-Identifier: GPL-3.0-or-later
// The real serial device on a pseudo-terminal against the virtual printer
// running as a separate process.

#include "link/SerialDevice.h"

#include "detect/Detection.h"
#include "link/PortLock.h"
#include "link/SubCom.h"
#include "link/VirtualClock.h"
#include "protocol/Transmission.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"
#include "support/FeedbackRecorder.h"
#include "support/OwnTerminal.h"
#include "support/Said.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"
#include "workspace/Catalogue.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <array>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "tessaro_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

struct RealSerialLink {
    // The device is COM1 and USB1; lock files go to lockDirectory (none when empty).
    explicit RealSerialLink(const std::string& device, const std::string& lockDirectory = "")
        : ports({}, {},
                [device, lockDirectory](const std::string& name) -> std::optional<std::string> {
                    if (name == "TESSARO_LOCKDIR") {
                        return lockDirectory;
                    }
                    return name == "TESSARO_COM1" || name == "TESSARO_USB1"
                               ? std::optional<std::string>(device)
                               : std::nullopt;
                }) {
        application();
    }
    PortMap ports;
    SteadyClock clock;
    SerialDevice serial{ports, clock};
    VirtualClock portClock;
    sim::PrinterModel nobody{{}, portClock};
    sim::VirtualParallelPort noPort{nobody, portClock};
    test::FeedbackRecorder feedback;
    ParallelWinIO parallel{noPort, clock, feedback};
    tempo timing{clock};
    Session session{{PortRef::numbered(LinkKind::Serial, 1), true, "9600", 2}, {}};
    SubCom link{session, serial, parallel, timing, feedback, ports};
};

TEST(SerialDevice, TalksToThePrinterProcessAtItsSpeedOnly) {
    test::SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    RealSerialLink real(device);
    SubCom& link = real.link;
    ASSERT_EQ(link.ComPortExists(1), 1);
    EXPECT_EQ(link.ComPortExists(2), 0);

    ASSERT_EQ(test::said(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2)), "");
    EXPECT_EQ(test::said(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2)),
              ""); // an open port keeps its speed
    link.SendString("\x1BI");
    EXPECT_EQ(link.ReceiveString(), std::string("R62 VIRTUAL PRN  V1.04\0", 23));
    link.SendString("\x1Bv");
    EXPECT_EQ(link.ReceiveByte(2000), 0xA0); // taken as soon as it came
    EXPECT_EQ(link.ReceiveByte(100), std::nullopt);
    link.ClosePort();

    ASSERT_EQ(test::said(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2)), "");
    link.SendString("\x1BI");
    EXPECT_FALSE(real.serial.waitForInput(300)); // the printer does not hear 19200
    link.ClosePort();
}

TEST(SerialDevice, TheLastByteLeavesAtTheSpeedItWasWrittenAt) {
    test::OwnTerminal terminal;
    RealSerialLink real(terminal.path);
    ASSERT_EQ(test::said(real.link.OpenCom(1, "57600", 0)), "");
    EXPECT_EQ(terminal.speed(), speed_t(B57600));
    real.serial.output(std::string(1, '\0'));
    real.link.CloseCom();
    // Closed without putting back the 9600 the terminal had before: the byte still waiting
    // in the line is read at 57600, and the next opener sets its own speed.
    EXPECT_EQ(terminal.speed(), speed_t(B57600));
    char byte = 'x';
    EXPECT_EQ(::read(terminal.master.get(), &byte, 1), 1);
    EXPECT_EQ(byte, '\0');
    ASSERT_EQ(test::said(real.link.OpenCom(1, "19200", 0)), "");
    real.link.CloseCom(); // nothing written: nothing to wait for
    EXPECT_EQ(terminal.speed(), speed_t(B19200));
}

TEST(SerialDevice, OpenFailuresNameThePortAndTheReason) {
    RealSerialLink nowhere("/nonexistent/tty");
    const std::string failure =
        test::said(nowhere.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2));
    EXPECT_NE(failure.find("COM1 (/nonexistent/tty)"), std::string::npos) << failure;
    EXPECT_FALSE(nowhere.serial.portOpen());
    nowhere.link.SendString("\x1BI"); // a port that did not open sends nothing, harmlessly
    EXPECT_EQ(nowhere.link.ReceiveByte(100), std::nullopt);

    // A terminal not yet unlocked refuses to open with EIO, as an adapter going away does.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::grantpt(master), 0);
    const std::string locked = ::ptsname(master);
    RealSerialLink broken(locked);
    EXPECT_EQ(test::said(broken.link.OpenCom(1, "9600", 0)),
              "COM1 (" + locked + "): " + std::strerror(EIO));
    EXPECT_EQ(test::said(broken.serial.takeFault()), "");
    ::close(master);
}

// A child of the test, holding every descriptor the test had when it started, under a name
// of its own; it lets go when release closes the pipe it waits on.
struct HoldingChild {
    explicit HoldingChild(const char* name) {
        int ready[2] = {-1, -1};
        if (::pipe(ready) != 0 || ::pipe(hold) != 0) {
            return;
        }
        process = ::fork();
        if (process == 0) {
            ::prctl(PR_SET_NAME, name);
            ::close(hold[1]);
            (void)!::write(ready[1], "x", 1);
            char byte = 0;
            (void)!::read(hold[0], &byte, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        char byte = 0;
        started = process > 0 && ::read(ready[0], &byte, 1) == 1; // at the child's exit: EOF
        ::close(ready[0]);
    }
    ~HoldingChild() { release(); }
    void release() {
        if (process > 0) {
            ::close(hold[1]);
            ::waitpid(process, nullptr, 0);
            process = 0;
        }
    }
    int hold[2] = {-1, -1};
    pid_t process = -1;
    bool started = false;
};

// The second opening is refused (the first holds the port); the text names the other process
// that has the terminal open, found by the device's number as the port is a link to it, and
// never the program's own.
TEST(SerialDevice, APortInUseNamesTheOtherProcessThatHoldsIt) {
    test::OwnTerminal terminal;
    test::TempDir dir;
    const auto link = dir / "ttyLink";
    std::filesystem::create_symlink(terminal.path, link);
    RealSerialLink first(link.string());
    RealSerialLink second(link.string());
    ASSERT_EQ(test::said(first.link.OpenCom(1, "9600", 0)), "");

    HoldingChild child("port-holder");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(test::said(second.link.OpenCom(1, "9600", 0)),
              "COM1 (" + link.string() + "): in use by port-holder (process " +
                  std::to_string(child.process) + ")");
    child.release();
    EXPECT_EQ(test::said(second.link.OpenCom(1, "9600", 0)),
              "COM1 (" + link.string() + "): in use by another program");
    first.link.CloseCom();
}

TEST(PortLock, ReadsTheOwnerInTextAndInBinary) {
    EXPECT_EQ(uucpLockOwner("      1234\n"), 1234);
    EXPECT_EQ(uucpLockOwner("1234\ntessaro\nhost\n"), 1234);
    const std::int32_t binary = 4321;
    EXPECT_EQ(uucpLockOwner(std::string(reinterpret_cast<const char*>(&binary), 4)), 4321);
    EXPECT_EQ(uucpLockOwner(""), std::nullopt);
    EXPECT_EQ(uucpLockOwner("     -1\n"), std::nullopt);
    EXPECT_EQ(uucpLockOwner("12ab\n"), std::nullopt);
    EXPECT_EQ(uucpLockContent(1234), "      1234\n");
}

// A terminal of the test's own as COM1, its lock files in a folder of the test's own.
class PortLockTest : public ::testing::Test {
  protected:
    test::OwnTerminal terminal;
    test::TempDir locks;
    RealSerialLink real{terminal.path, locks.path().string()};
    const std::string lockFile =
        (locks / ("LCK.." + std::filesystem::path(terminal.path).filename().string())).string();
};

// While the port is open both locks are the program's: the lock file names it, a terminal
// program's flock is refused; closing lets go of both.
TEST_F(PortLockTest, TheLocksAreHeldWhileThePortIsOpen) {
    ASSERT_EQ(test::said(real.link.OpenCom(1, "9600", 0)), "");
    EXPECT_EQ(test::readFile(lockFile), uucpLockContent(::getpid()));
    const workspace::UniqueFd other(::open(terminal.path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
    EXPECT_NE(::flock(other.get(), LOCK_EX | LOCK_NB), 0);
    real.link.CloseCom();
    EXPECT_FALSE(std::filesystem::exists(lockFile));
    EXPECT_EQ(::flock(other.get(), LOCK_EX | LOCK_NB), 0);
}

// A live process's lock file (minicom's text, or a binary number) keeps the port its own and
// stays as it was; one of a process that has ended is removed and the port used.
TEST_F(PortLockTest, AnotherProgramsLockFileKeepsThePortAStaleOneDoesNot) {
    HoldingChild holder("minicom");
    ASSERT_TRUE(holder.started);
    const std::int32_t number = holder.process;
    for (const std::string& content : {uucpLockContent(holder.process),
                                       std::string(reinterpret_cast<const char*>(&number), 4)}) {
        std::ofstream(lockFile, std::ios::binary | std::ios::trunc) << content;
        EXPECT_EQ(test::said(real.link.OpenCom(1, "9600", 0)),
                  "COM1 (" + terminal.path + "): in use by minicom (process " +
                      std::to_string(holder.process) + ")");
        EXPECT_EQ(real.serial.problem(), PortProblem::InUse);
        EXPECT_FALSE(real.serial.portOpen());
        EXPECT_EQ(test::readFile(lockFile), content);
    }
    real.link.SendString("\x1BI");
    EXPECT_FALSE(terminal.anythingSent());

    holder.release(); // its process has ended: the lock is stale
    ASSERT_EQ(test::said(real.link.OpenCom(1, "9600", 0)), "");
    EXPECT_EQ(test::readFile(lockFile), uucpLockContent(::getpid()));
    real.link.CloseCom();
}

// A program killed between creating its lock file and writing its number leaves it empty: a
// fresh one may be a writer at work and keeps the port; one older than a few seconds is stale
// and taken over. This program's own lock file is written whole before it is in place, and
// leaves nothing else behind.
TEST_F(PortLockTest, AnEmptyLockFileIsStaleOnceItIsOld) {
    std::ofstream{lockFile};
    EXPECT_THAT(test::said(real.link.OpenCom(1, "9600", 0)), ::testing::HasSubstr(lockFile));
    EXPECT_EQ(real.serial.problem(), PortProblem::InUse);
    const std::time_t minuteAgo = std::time(nullptr) - 60;
    const std::array<timespec, 2> old{{{minuteAgo, 0}, {minuteAgo, 0}}};
    ASSERT_EQ(::utimensat(AT_FDCWD, lockFile.c_str(), old.data(), 0), 0);
    ASSERT_EQ(test::said(real.link.OpenCom(1, "9600", 0)), "");
    EXPECT_EQ(test::readFile(lockFile), uucpLockContent(::getpid()));
    real.link.CloseCom();
    EXPECT_TRUE(std::filesystem::is_empty(locks.path()));
}

TEST_F(PortLockTest, AnotherProgramsFlockKeepsThePort) {
    {
        // Taken on an opening the child shares: the child holds it too.
        const workspace::UniqueFd held(
            ::open(terminal.path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
        ASSERT_EQ(::flock(held.get(), LOCK_EX | LOCK_NB), 0);
        HoldingChild holder("picocom");
        ASSERT_TRUE(holder.started);
        EXPECT_EQ(test::said(real.link.OpenCom(1, "9600", 0)),
                  "COM1 (" + terminal.path + "): in use by picocom (process " +
                      std::to_string(holder.process) + ")");
        EXPECT_EQ(real.serial.problem(), PortProblem::InUse);
        EXPECT_FALSE(std::filesystem::exists(lockFile));
    }
    ASSERT_EQ(test::said(real.link.OpenCom(1, "9600", 0)), "");
    real.link.CloseCom();
}

// A link repointed between two openings of one operation leads to another device: refused,
// nothing sent there. A new operation takes the device the name leads to then.
TEST(DevicePins, AnotherDeviceUnderTheNameWithinAnOperationIsRefused) {
    test::OwnTerminal first;
    test::OwnTerminal second;
    test::TempDir dir;
    const auto name = dir / "by-id-printer";
    std::filesystem::create_symlink(first.path, name);
    RealSerialLink real(name.string());
    for (const PortRef& port :
         {PortRef::numbered(LinkKind::Serial, 1), PortRef::numbered(LinkKind::Usb, 1)}) {
        std::filesystem::remove(name);
        std::filesystem::create_symlink(first.path, name);
        real.link.startOperation();
        ASSERT_EQ(test::said(real.link.OpenPort(port, "9600", 0)), "");
        real.link.transport(port.kind()).close();
        std::filesystem::remove(name);
        std::filesystem::create_symlink(second.path, name);

        const std::string prefix = std::string(port.row().prefix) + "1 (";
        EXPECT_EQ(test::said(real.link.OpenPort(port, "9600", 0)),
                  prefix + name.string() + "): the name now leads to another device (" +
                      second.path + ", not " + first.path +
                      ") than the printer was found on; detect the printer again");
        EXPECT_EQ(real.link.transport(port.kind()).problem(), PortProblem::Lost);
        real.link.transport(port.kind()).write("\x1BI");
        EXPECT_FALSE(second.anythingSent());

        real.link.startOperation();
        ASSERT_EQ(test::said(real.link.OpenPort(port, "9600", 0)), "");
        real.link.transport(port.kind()).close();
    }
}

// The printer is detected through a link, which then leads to another printer: the settings
// go nowhere rather than to the other printer, and the window and the command line are told.
TEST(DevicePins, TheSettingsReachThePrinterDetectedOrNone) {
    test::SimProcess detected({"--time-limit", "60"});
    test::SimProcess other({"--time-limit", "60"});
    const std::string first = detected.device();
    const std::string second = other.device();
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    test::TempDir dir;
    const auto name = dir / "printer";
    std::filesystem::create_symlink(first, name);
    RealSerialLink real(name.string());
    detect::Detection detection(real.link, real.noPort, real.session.printer, real.feedback);
    real.link.startOperation();
    ASSERT_TRUE(detection.detectOn(PortRef::numbered(LinkKind::Serial, 1), "9600", 0).found);

    std::filesystem::remove(name);
    std::filesystem::create_symlink(second, name);
    workspace::Workspace ws;
    ws.startUp();
    ws.setSlider(workspace::controlId("SliderLinespacing"), 5, workspace::ChangeSource::User);
    protocol::Transmission transmission(ws, real.link, real.session.printer, real.feedback);
    EXPECT_FALSE(transmission.SendParameters(false));
    ASSERT_FALSE(real.feedback.messages.empty());
    EXPECT_NE(real.feedback.messages.back().text.find("the name now leads to another device (" +
                                                      second + ", not " + first + ")"),
              std::string::npos)
        << real.feedback.messages.back().text;
    EXPECT_FALSE(other.waitFor("ESC", 300ms)) << other.output();
}

} // namespace
} // namespace tessaro::link
