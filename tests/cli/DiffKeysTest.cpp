// SPDX-License-Identifier: GPL-3.0-or-later
// diff tells two profiles apart by the window's captions; keys lists what --set takes, and
// show accepts every range keys gives.

#include "cli/CliRunner.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace tessaro::test {
namespace {

using ::testing::HasSubstr;

TEST(Diff, ShowsTheFramesThatDifferAndExitsByTheResult) {
    TempDir dir;
    const auto file = dir.write("job.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=9\r\n"
                                           "[Text and general commands]\r\nCharset=2\r\n")
                          .string();
    const auto differ = runCli({"diff", "factory", file});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out, "--- factory\n+++ " + file +
                              "\n"
                              "-   Dynamic Division : 5 Black Bytes\n"
                              "+   Dynamic Division : 9 Black Bytes\n"
                              "-   International Character Set: USA\n"
                              "+   International Character Set: Germany\n");
    EXPECT_EQ(differ.err, "");

    // A profile that sets the factory values is the factory settings.
    const auto same =
        dir.write("same.pcf", "[Setup and hardware control]\r\nSliderMaxcurrent=5\r\n");
    const auto equal = runCli({"diff", same.string(), "factory"});
    EXPECT_EQ(equal.status, 0);
    EXPECT_EQ(equal.out, "");

    const auto missing = runCli({"diff", file, (dir.path() / "gone.pcf").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_THAT(missing.err, HasSubstr("gone.pcf"));
}

TEST(Keys, ListsEveryKeyWithARangeThatShowAccepts) {
    const auto keys = runCli({"keys"});
    ASSERT_EQ(keys.status, 0) << keys.err;
    EXPECT_THAT(keys.out, HasSubstr("SliderMaxcurrent      slider    1..32       5      "
                                    "Dynamic Division : 5 Black Bytes\n"));
    EXPECT_THAT(keys.out, HasSubstr("Charset               list      0..12       0      "
                                    "International Character Set: 0 USA, 1 France,"));
    std::istringstream lines(keys.out);
    std::string line;
    // The mark length is locked while continuous paper is checked.
    std::vector<std::string> highest{"show", "--set", "ENContPaper=False"};
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        std::istringstream words(line);
        std::string key, kind, values;
        words >> key >> kind >> values;
        const auto dots = values.find("..");
        if (dots != std::string::npos) {
            highest.push_back("--set");
            highest.push_back(key + "=" + values.substr(dots + 2));
        }
    }
    EXPECT_EQ(count, 38);
    const auto shown = runCli(highest);
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_THAT(shown.out, HasSubstr("Dynamic Division : 32 Black Bytes"));
}

} // namespace
} // namespace tessaro::test
