// SPDX-License-Identifier: GPL-3.0-or-later
// Which replies to the identity request are a printer's: printable text, not noise.

#include "protocol/Identity.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace tessaro::protocol {
namespace {

using namespace std::string_literals;

TEST(PrinterIdentity, IsPrintableTextUpToItsZero) {
    EXPECT_TRUE(isPrinterIdentity("R62 VIRTUAL PRN  V1.04\0"s));
    EXPECT_TRUE(isPrinterIdentity("R62 VIRTUAL PRN  V1.04\0\xff\x01"s)); // after the zero: not read
    EXPECT_TRUE(isPrinterIdentity("Drucker f\xc3\xbcr Etiketten\0"s));
    EXPECT_TRUE(isPrinterIdentity("R62\xe2\x80\xaegpj.exe"s)); // shown escaped, still text
    EXPECT_TRUE(isPrinterIdentity("R62 VIRTUAL PRN f\xc3"s));  // cut off inside its last letter

    EXPECT_FALSE(isPrinterIdentity(""));
    EXPECT_FALSE(isPrinterIdentity("A\0"s));
    EXPECT_FALSE(isPrinterIdentity("\0R62"s));
    EXPECT_FALSE(isPrinterIdentity(std::string(40, '\0')));    // a line held low
    EXPECT_FALSE(isPrinterIdentity(std::string(23, '\xff')));  // the wrong speed
    EXPECT_FALSE(isPrinterIdentity("R62 \x1b[2J VIRTUAL\0"s)); // a control character
    EXPECT_FALSE(isPrinterIdentity("R62\r\nSaving Sequence Successful !\0"s));
    EXPECT_FALSE(isPrinterIdentity("R62 \xc2\x9b VIRTUAL\0"s));     // a C1 control
    EXPECT_FALSE(isPrinterIdentity("R62 f\xc3\0"s));                // ended inside a letter
    EXPECT_FALSE(isPrinterIdentity("Drucker f\xfcr Etiketten\0"s)); // not UTF-8
}

// Random bytes, as a device that reads as /dev/urandom gives them, are no identity: only
// the rare reply whose first zero follows three printable bytes would pass (0.04 %).
TEST(PrinterIdentity, RandomBytesAreNoPrinter) {
    std::mt19937 random(1284);
    int taken = 0;
    for (int run = 0; run < 1000; ++run) {
        std::string reply;
        for (int i = 0; i < 23; ++i) {
            reply += static_cast<char>(random() & 0xFF);
        }
        taken += isPrinterIdentity(reply) ? 1 : 0;
    }
    EXPECT_LT(taken, 5);
}

} // namespace
} // namespace tessaro::protocol
