// SPDX-License-Identifier: GPL-3.0-or-later
// The real serial adapter, QSerialPort, on a pseudo-terminal against the virtual printer
// running as a separate process.

#include "link/QtSerialControl.h"

#include "link/SubCom.h"
#include "link/VirtualClock.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"
#include "support/FeedbackRecorder.h"
#include "support/SimProcess.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
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
    explicit RealSerialLink(const std::string& device)
        : ports({}, {}, [device](const std::string& name) -> std::optional<std::string> {
              return name == "TESSARO_COM1" ? std::optional<std::string>(device) : std::nullopt;
          }) {
        application();
    }
    PortMap ports;
    QtSerialControl serial{ports};
    SteadyClock clock;
    VirtualClock portClock;
    sim::PrinterModel nobody{{}, portClock};
    sim::VirtualParallelPort noPort{nobody, portClock};
    test::FeedbackRecorder feedback;
    ParallelWinIO parallel{noPort, clock, feedback};
    tempo timing{clock};
    Session session{{PortRef::numbered(LinkKind::Serial, 1), true, "9600", 2}, {}};
    SubCom link{session, serial, parallel, timing, feedback, ports};
};

TEST(QtSerialControl, TalksToThePrinterProcessAtItsSpeedOnly) {
    test::SimProcess sim({"--time-limit", "60"});
    const std::string device = sim.device();
    ASSERT_FALSE(device.empty());
    RealSerialLink real(device);
    SubCom& link = real.link;
    ASSERT_EQ(link.ComPortExists(1), 1);
    EXPECT_EQ(link.ComPortExists(2), 0);

    ASSERT_EQ(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2), "");
    EXPECT_EQ(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2),
              ""); // an open port keeps its speed
    link.SendString("\x1BI");
    EXPECT_EQ(link.ReceiveString(), std::string("R62 VIRTUAL PRN  V1.04\0", 23));
    link.SendString("\x1Bv\x1Bv\x1Bv");
    ASSERT_TRUE(sim.waitFor("ESC v", 2s));
    EXPECT_EQ(link.ReceiveByte(), 0xA0);
    EXPECT_EQ(real.serial.inBufferCount(), 0);
    link.ClosePort();

    ASSERT_EQ(link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2), "");
    link.SendString("\x1BI");
    EXPECT_FALSE(real.serial.waitForInput(300)); // the printer does not hear 19200
    link.ClosePort();
}

// A terminal of the test's own: the master end reads what the program wrote, a second
// descriptor on the slave reads the line speed as the far end would see it.
struct OwnTerminal {
    OwnTerminal() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        path = ::ptsname(master);
        slave = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        ::tcgetattr(slave, &t);
        ::cfmakeraw(&t);
        ::cfsetspeed(&t, B9600);
        ::tcsetattr(slave, TCSANOW, &t);
    }
    ~OwnTerminal() {
        ::close(slave);
        ::close(master);
    }
    speed_t speed() const {
        termios t{};
        ::tcgetattr(slave, &t);
        return ::cfgetospeed(&t);
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

TEST(QtSerialControl, TheLastByteLeavesAtTheSpeedItWasWrittenAt) {
    OwnTerminal terminal;
    RealSerialLink real(terminal.path);
    ASSERT_EQ(real.link.OpenCom(1, "57600", 0), "");
    EXPECT_EQ(terminal.speed(), speed_t(B57600));
    real.serial.output(std::string(1, '\0'));
    real.link.CloseCom();
    // Closed without putting back the 9600 the terminal had before: the byte still waiting
    // in the line is read at 57600, and the next opener sets its own speed.
    EXPECT_EQ(terminal.speed(), speed_t(B57600));
    char byte = 'x';
    EXPECT_EQ(::read(terminal.master, &byte, 1), 1);
    EXPECT_EQ(byte, '\0');
    ASSERT_EQ(real.link.OpenCom(1, "19200", 0), "");
    real.link.CloseCom(); // nothing written: nothing to wait for
    EXPECT_EQ(terminal.speed(), speed_t(B19200));
}

TEST(QtSerialControl, OpenFailuresNameThePortAndTheReason) {
    RealSerialLink nowhere("/nonexistent/tty");
    const std::string failure =
        nowhere.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2);
    EXPECT_NE(failure.find("COM1 (/nonexistent/tty)"), std::string::npos) << failure;
    EXPECT_FALSE(nowhere.serial.portOpen());
    nowhere.link.SendString("\x1BI"); // a port that did not open sends nothing, harmlessly
    EXPECT_EQ(nowhere.link.ReceiveByte(), 0);

    // A terminal not yet unlocked refuses to open with EIO, as an adapter going away does.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::grantpt(master), 0);
    const std::string locked = ::ptsname(master);
    RealSerialLink broken(locked);
    EXPECT_EQ(broken.link.OpenCom(1, "9600", 0), "COM1 (" + locked + "): " + std::strerror(EIO));
    EXPECT_EQ(broken.serial.takeFault(), "");
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
TEST(QtSerialControl, APortInUseNamesTheOtherProcessThatHoldsIt) {
    OwnTerminal terminal;
    test::TempDir dir;
    const auto link = dir / "ttyLink";
    std::filesystem::create_symlink(terminal.path, link);
    RealSerialLink first(link.string());
    RealSerialLink second(link.string());
    ASSERT_EQ(first.link.OpenCom(1, "9600", 0), "");

    HoldingChild child("port-holder");
    ASSERT_TRUE(child.started);
    EXPECT_EQ(second.link.OpenCom(1, "9600", 0), "COM1 (" + link.string() +
                                                     "): in use by port-holder (process " +
                                                     std::to_string(child.process) + ")");
    child.release();
    EXPECT_EQ(second.link.OpenCom(1, "9600", 0),
              "COM1 (" + link.string() + "): in use by another program");
    first.link.CloseCom();
}

} // namespace
} // namespace tessaro::link
