// SPDX-License-Identifier: GPL-3.0-or-later
// The link layer over the virtual printer: opening keeps settings, the one-byte and text
// replies, their bounds, and the parallel read error.

#include "link/SubCom.h"

#include "support/PortAccessLog.h"
#include "support/Said.h"
#include "support/VirtualRig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::link {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;

const std::string kIdentityRequest{"\x1BI"};
const std::string kStatusRequest{"\x1Bv"};

class SerialLinkTest : public ::testing::Test {
  protected:
    SerialLinkTest() { rig.settings = {PortRef::numbered(LinkKind::Serial, 1), true, "9600", 2}; }
    test::VirtualRig rig;
};

TEST_F(SerialLinkTest, AnOpenPortKeepsItsSpeedUntilClosed) {
    EXPECT_EQ(test::said(rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2)), "");
    EXPECT_EQ(test::said(rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2)),
              "");
    rig.link.ClosePort();
    EXPECT_EQ(test::said(rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "19200", 2)),
              "");
    rig.link.ClosePort();
    EXPECT_THAT(rig.serial.openedSettings(), ElementsAre("9600,N,8,1", "19200,N,8,1"));
    EXPECT_THAT(test::said(rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 3), "9600", 2)),
                ::testing::HasSubstr("COM3"));
}

TEST_F(SerialLinkTest, ReceiveByteTakesTheFirstAtOnceOrWaitsItsTimeForNone) {
    rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2);
    rig.link.SendString(kStatusRequest + "\x1DSC" + kStatusRequest);
    auto start = rig.clock.now();
    EXPECT_EQ(rig.link.ReceiveByte(250), 0xA0);
    EXPECT_EQ(rig.clock.now() - start, 0ms);
    EXPECT_EQ(rig.serial.inBufferCount(), 0); // the rest is dropped
    rig.link.SendString("\x18");              // nothing answers a cancel
    start = rig.clock.now();
    EXPECT_EQ(rig.link.ReceiveByte(250), std::nullopt);
    EXPECT_EQ(rig.clock.now() - start, 250ms);
}

TEST_F(SerialLinkTest, ReceiveStringWaitsForTheFirstByteThenOneHundredMillisecondsOrGivesUp) {
    rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2);
    rig.link.SendString(kIdentityRequest);
    auto start = rig.clock.now();
    EXPECT_EQ(rig.link.ReceiveString(), std::string("R62 VIRTUAL PRN  V1.04\0", 23));
    EXPECT_EQ(rig.clock.now() - start, 100ms);
    start = rig.clock.now();
    EXPECT_EQ(rig.link.ReceiveString(), ""); // nothing asked: five seconds
    EXPECT_EQ(rig.clock.now() - start, 5s);
}

TEST_F(SerialLinkTest, AClosedPortSendsNothing) {
    rig.serial.setInUse(1, true);
    EXPECT_NE(test::said(rig.link.OpenPort(PortRef::numbered(LinkKind::Serial, 1), "9600", 2)), "");
    rig.link.SendString(kIdentityRequest);
    EXPECT_TRUE(rig.log.empty());
}

// LPT1 open on a printer whose reply the test gives.
struct ParallelLink : test::VirtualLpt {
    ParallelLink() {
        session.link = {PortRef::numbered(LinkKind::Parallel, 1), true, "", 0};
        driver.InitDll();
        link.OpenPort(session.link.Port, "", 0);
    }
    sim::PrinterModel serialPrinter{{}, clock}; // nothing on the serial side is used here
    sim::VirtualSerialControl serial{serialPrinter, clock};
    PortMap ports{{}, {}, {}};
    tempo timing{clock};
    Session session;
    SubCom link{session, serial, driver, timing, feedback, ports};
};

TEST(ParallelLinkTest, TextReplyKeepsItsTerminator) {
    ParallelLink lpt;
    lpt.endpoint.reply = std::string("ABC\0", 4);
    EXPECT_EQ(lpt.link.ReceiveString(), std::string("ABC\0", 4));
    EXPECT_TRUE(lpt.feedback.messages.empty());
}

TEST(ParallelLinkTest, AFailedReadShowsTheErrorThenOnePanel) {
    ParallelLink lpt;
    lpt.endpoint.reply = "A";
    EXPECT_EQ(lpt.link.ReceiveString(), "AA"); // the failed read leaves the byte as it was
    ASSERT_EQ(lpt.feedback.messages.size(), 1u);
    EXPECT_EQ(lpt.feedback.messages[0].text, "LPT1 : BYTE Mode Error\rPlease check you LPT setup ");
    EXPECT_EQ(lpt.feedback.messages[0].icon, MessageIcon::Critical);
    EXPECT_THAT(lpt.feedback.panels, ElementsAre("NO Printer on LPT1 :"));
    EXPECT_EQ(lpt.feedback.events.back(), "panels: NO Printer on LPT1 :");
}

TEST(ParallelLinkTest, AReplyWithoutEndStopsAt1024Bytes) {
    ParallelLink lpt;
    lpt.endpoint.endless = true;
    EXPECT_EQ(lpt.link.ReceiveString().size(), SubCom::kMaxParallelReply);
}

} // namespace
} // namespace tessaro::link
