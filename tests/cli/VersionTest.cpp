// SPDX-License-Identifier: GPL-3.0-or-later
// Every program says its name and version, 1.4.x, and nothing else.

#include "cli/CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessaro::test {
namespace {

using ::testing::MatchesRegex;

TEST(Version, EachProgramPrintsItsNameAndVersion) {
    const std::pair<std::string, std::string> programs[] = {
        {TESSARO_CLI_PATH, "tessaro-cli"}, {TESSARO_SIM_PATH, "tessaro-printer-sim"}};
    for (const auto& [path, name] : programs) {
        const auto r = runProgram(path, {"--version"});
        EXPECT_EQ(r.status, 0) << name;
        EXPECT_THAT(r.out, MatchesRegex(name + " 1\\.4\\.[0-9]+\n"));
        EXPECT_EQ(r.err, "") << name;
    }
}

} // namespace
} // namespace tessaro::test
