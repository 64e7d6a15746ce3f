// SPDX-License-Identifier: GPL-3.0-or-later
// The parallel driver's register traffic, access by access ("R379:80" read the status and got
// 0x80, "W37A:84" wrote the control, "P408" read the BIOS table), and its 5 s limits
// against the virtual printer.

#include "link/ParallelWinIO.h"

#include "sim/VirtualParallelPort.h"
#include "support/FeedbackRecorder.h"
#include "support/PortAccessLog.h"

#include <functional>
#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;
const std::string kPortError = "critical, Parallel Object Error: LPT Communication Port Error !";

struct Bench {
    void open() { // the control reads 0xFF and is written back as 0x84
        io.bios[0x408] = 0x378;
        io.script[0x37A] = {0xFF};
        ASSERT_TRUE(port.OpenLPT(1));
        io.take();
    }
    std::vector<std::string> shown() const {
        std::vector<std::string> messages;
        for (const test::Message& m : feedback.messages) {
            const bool critical = m.icon == MessageIcon::Critical;
            messages.push_back((critical ? "critical, " : "other, ") + m.title + ": " + m.text);
        }
        return messages;
    }

    VirtualClock clock;
    test::PortAccessLog io{clock};
    test::FeedbackRecorder feedback;
    ParallelWinIO port{io, clock, feedback};
};

TEST(ParallelWinIO, OpenTakesTheBiosBaseAndResetsTheRegisters) {
    struct Case {
        std::uint8_t lpt;
        std::uint32_t biosAddress, entry;
        std::uint8_t control;
        const char* trace;
    };
    for (const Case& c :
         {Case{1, 0x408, 0x0278'0378, 0xFF, "P408 R37A:FF R379:FF W37A:84 W378:00"},
          Case{2, 0x40A, 0x0000'0278, 0x0C, "P40A R27A:0C R279:FF W27A:04 W278:00"}}) {
        Bench b;
        b.io.bios[c.biosAddress] = c.entry;
        b.io.script[(c.entry & 0xFFFF) + 2] = {c.control};
        b.port.Handshaking(false);
        EXPECT_TRUE(b.port.OpenLPT(c.lpt));
        EXPECT_EQ(b.io.take(), c.trace);
        EXPECT_EQ(b.port.BaseAddress, c.entry & 0xFFFF);
        EXPECT_TRUE(b.port.LptOpen && b.port.HandshakeOn && !b.port.PrintOutError());
        EXPECT_TRUE(b.feedback.messages.empty());
    }
}

TEST(ParallelWinIO, RefusedOpenClosesAnOpenPortWithOnePortError) {
    struct Case {
        std::uint8_t lpt;
        std::optional<std::uint32_t> lpt1Entry;
        const char* trace;
    };
    for (const Case& c : {Case{3, 0x378, ""}, Case{0, 0x378, ""}, Case{1, 0x0278'0000, "P408"},
                          Case{1, std::nullopt, "P408"}}) {
        SCOPED_TRACE(testing::Message() << int{c.lpt} << " " << c.lpt1Entry.value_or(0xDEAD));
        Bench b;
        b.io.bios = {{0x40A, 0x278}};
        ASSERT_TRUE(b.port.OpenLPT(2));
        if (c.lpt1Entry) {
            b.io.bios[0x408] = *c.lpt1Entry;
        }
        b.io.take();
        EXPECT_FALSE(b.port.OpenLPT(c.lpt));
        EXPECT_EQ(b.io.take(), c.trace);
        EXPECT_FALSE(b.port.LptOpen);
        EXPECT_TRUE(b.port.PrintOutError());
        EXPECT_EQ(b.shown(), std::vector{kPortError});
    }
}

TEST(ParallelWinIO, WriteClearsDirectionThenStrobesEachByteOnceTheHandshakeAllows) {
    struct Case {
        bool handshake;
        std::deque<std::uint8_t> status;
        std::string data;
        std::string trace;
    };
    const std::string cycleA = "W378:41 W37A:85 W37A:84", cycleB = "W378:42 W37A:85 W37A:84";
    const Case cases[] = {
        {true, {}, "", "W37A:84"},
        {true, {0x80}, "A", "W37A:84 R379:80 " + cycleA},
        {true, {0x00, 0x7F, 0xC0}, "A", "W37A:84 R379:00 R379:7F R379:C0 " + cycleA},
        {false, {0x00, 0x00}, "AB", "W37A:84 R379:00 " + cycleA + " R379:00 " + cycleB},
    };
    for (const Case& c : cases) {
        for (const bool fast : {false, true}) {
            SCOPED_TRACE(c.trace + (fast ? " (fast)" : ""));
            Bench b;
            b.open();
            b.port.Handshaking(c.handshake);
            b.port.ControlImage = 0xA4; // left in reverse by a read
            b.io.script[0x379] = c.status;
            EXPECT_TRUE(fast ? b.port.CompatibilityWrite_Fast(c.data)
                             : b.port.CompatibilityWrite(c.data));
            EXPECT_EQ(b.io.take(), c.trace);
        }
    }
}

TEST(ParallelWinIO, ByteModeReadWalksTheReverseHandshake) {
    Bench b;
    b.open();
    b.io.script[0x379] = {0x80, 0xC0, 0x80, 0x80, 0xC0};
    b.io.script[0x378] = {0x41};
    std::uint8_t byte = 0;
    EXPECT_TRUE(b.port.ByteModeRead(byte));
    EXPECT_EQ(byte, 0x41);
    // not busy; reverse + host ready; nAck high, then low; data; host busy; strobe;
    // nAck low, then released; strobe off
    EXPECT_EQ(b.io.take(), "R379:80 W37A:A6 R379:C0 R379:80 R378:41 W37A:A4 W37A:A5 "
                           "R379:80 R379:C0 W37A:A4");
}

TEST(ParallelWinIO, ClosedPortReportsAnErrorWithoutTouchingTheRegisters) {
    const std::function<bool(ParallelWinIO&)> operations[] = {
        [](ParallelWinIO& p) { return p.CompatibilityWrite("A"); },
        [](ParallelWinIO& p) {
            std::uint8_t b = 0;
            return p.ByteModeRead(b);
        },
        [](ParallelWinIO& p) { return p.PaperEnd(); }, // the status would read 0xFF
        [](ParallelWinIO& p) {
            p.Init(false);
            return false;
        },
    };
    for (const auto& operation : operations) {
        Bench b;
        b.open();
        b.port.CloseLPT();
        EXPECT_FALSE(operation(b.port));
        EXPECT_EQ(b.shown(), std::vector{kPortError});
        EXPECT_EQ(b.io.take(), "");
    }
}

TEST(ParallelWinIO, FastWriteSkipsTheOpenCheckButNeedsABaseAddress) {
    Bench b;
    EXPECT_FALSE(b.port.CompatibilityWrite_Fast("A")); // never opened: nowhere to write
    EXPECT_EQ(b.io.take(), "");
    b.open();
    b.port.CloseLPT();
    EXPECT_TRUE(b.port.CompatibilityWrite_Fast("A"));
    EXPECT_EQ(b.io.take(), "W37A:84 R379:FF W378:41 W37A:85 W37A:84");
    EXPECT_TRUE(b.feedback.messages.empty());
}

TEST(ParallelWinIO, PaperEndAndInitUseTheirOwnBits) {
    Bench b;
    b.open();
    b.io.script[0x379] = {0x20, 0xDF};
    EXPECT_TRUE(b.port.PaperEnd());
    EXPECT_FALSE(b.port.PaperEnd());
    b.port.Init(false);
    b.port.Init(true);
    EXPECT_EQ(b.io.take(), "R379:20 R379:DF W37A:80 W37A:84");
}

TEST(ParallelWinIO, InitDllFailureWarnsAndShutsPortAccessDown) {
    Bench b;
    EXPECT_TRUE(b.port.InitDll());
    EXPECT_EQ(b.io.shutdownCalls, 0);
    b.io.initializeResult = false;
    EXPECT_FALSE(b.port.InitDll());
    EXPECT_EQ(b.shown(), std::vector<std::string>{"critical, Tessaro: "
                                                  "The LPT ports will be unusable !\r"
                                                  "Please check your LPT port configuration !"});
    EXPECT_EQ(b.io.shutdownCalls, 1);
    EXPECT_EQ(b.io.take(), "");
}

struct PrinterBench : test::VirtualLpt {
    explicit PrinterBench(sim::VirtualParallelPort::Options options) : VirtualLpt(options) {
        EXPECT_TRUE(driver.OpenLPT(1));
        start = clock.now();
    }
    Micros elapsed() { return clock.now() - start; }
    Micros start;
};

TEST(ParallelWinIO, BusyHeldMidStringStopsTheWriteAfterFiveSeconds) {
    PrinterBench b({.busyAfterByte = 2, .busyHoldSeconds = 6});
    EXPECT_FALSE(b.driver.CompatibilityWrite("ABCDE"));
    EXPECT_EQ(b.endpoint.received, "AB");
    EXPECT_GT(b.elapsed(), 5s);
    EXPECT_LT(b.elapsed(), 5100ms);
    b.clock.advance(1s); // Busy has cleared
    EXPECT_TRUE(b.driver.CompatibilityWrite("CDE"));
    EXPECT_EQ(b.endpoint.received, "ABCDE");
}

TEST(ParallelWinIO, ByteModeReadGivesUpAfterFiveSecondsWhereItStood) {
    struct Case {
        sim::VirtualParallelPort::Options options;
        std::uint8_t control; // the port opens with 0x04
    };
    for (const Case& c : {Case{{}, 0x26}, Case{{.busyForever = true}, 0x04}}) {
        SCOPED_TRACE(int{c.control});
        PrinterBench b(c.options);
        std::uint8_t byte = 0x55;
        EXPECT_FALSE(b.driver.ByteModeRead(byte));
        EXPECT_EQ(byte, 0x55);
        EXPECT_GT(b.elapsed(), 5s);
        EXPECT_LT(b.elapsed(), 5100ms);
        EXPECT_EQ(b.driver.ControlImage, c.control);
        EXPECT_EQ(b.port.getPortVal(0x37A), c.control);
    }
}

} // namespace
} // namespace tessaro::link
