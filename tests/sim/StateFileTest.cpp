// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual printer's memory file: what it reads, and what it refuses naming the line.

#include "sim/StateFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::sim {
namespace {

using ::testing::HasSubstr;

TEST(StateFile, ReadsEntriesInEitherCaseAndLineEnd) {
    const PrinterMemory memory =
        parseMemory("serial 83\r\nparam 1d73 07e0\nparam 1B33 05", "memory.txt");
    EXPECT_EQ(memory.serial, SerialSettings::fromByte(0x83));
    EXPECT_EQ(memory.defaults.at("\x1Ds"), "\x07\xE0");
    EXPECT_EQ(memory.defaults.at("\x1B\x33"), "\x05");
}

TEST(StateFile, RefusesAnythingElseNamingTheFileAndTheLine) {
    // A byte above 0x7F where a hex digit belongs once reached std::toupper as a negative char.
    for (const std::string text :
         {"serial 83\nparam 1D73 07\xE9\n", "serial 83\nprint 1D73 07\n"}) {
        try {
            parseMemory(text, "memory.txt");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_THAT(error.what(), HasSubstr("memory.txt: line 2"));
        }
    }
}

} // namespace
} // namespace tessaro::sim
