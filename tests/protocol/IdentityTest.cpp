// SPDX-License-Identifier: GPL-3.0-or-later
// The identity exchange the main window offers: the identity text and the chipset voltage,
// read over a serial link that is opened for it and closed after it.

#include "protocol/Identity.h"

#include "support/VirtualRig.h"

#include <gtest/gtest.h>

namespace tessaro::protocol {
namespace {

TEST(GetIdentity, ReadsTheIdentityAndTheChipsetThenClosesThePort) {
    sim::PrinterConfig config;
    config.identity = "RZ R51 BENCH";
    config.chipset5V = false;
    test::VirtualRig rig(config);
    rig.foundOnSerial();
    link::PrinterFacts facts;
    facts.Chipset5V = true;
    GetIdentity(rig.link, facts);
    EXPECT_EQ(facts.PrinterIdentity, "RZ R51 BENCH"); // without its terminating zero
    EXPECT_FALSE(facts.Chipset5V);
    EXPECT_EQ(rig.allWritten(), "\x1BI\x1DSC");
    EXPECT_FALSE(rig.serial.portOpen());
}

TEST(GetIdentity, ASilentPrinterLeavesNoIdentityAndNoFlag) {
    sim::PrinterConfig config;
    config.silent = true;
    test::VirtualRig rig(config);
    rig.foundOnSerial();
    link::PrinterFacts facts;
    facts.PrinterIdentity = "old";
    facts.Chipset5V = true;
    GetIdentity(rig.link, facts);
    EXPECT_EQ(facts.PrinterIdentity, "");
    EXPECT_FALSE(facts.Chipset5V);
    EXPECT_FALSE(rig.serial.portOpen());
}

} // namespace
} // namespace tessaro::protocol
