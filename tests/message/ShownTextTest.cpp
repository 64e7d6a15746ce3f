// SPDX-License-Identifier: GPL-3.0-or-later
// Text from a printer or a file as a person is shown it: nothing in it can drive the terminal
// or make a line read otherwise than it goes, and what is plain stays as it is.

#include "message/ShownText.h"

#include <gtest/gtest.h>

namespace tessaro::message {
namespace {

TEST(ShownText, ControlsAndBrokenUtf8AreEscapedAsBytes) {
    EXPECT_EQ(shownText("R62 \x1b]0;owned\x07\x1b[2J", LineBreaks::Keep),
              "R62 \\x1b]0;owned\\x07\\x1b[2J");
    EXPECT_EQ(shownText("a\x7f\xc2\x85"
                        "b",
                        LineBreaks::Keep),
              "a\\x7f\\xc2\\x85b"); // DEL, NEL
    EXPECT_EQ(shownText("caf\xe9 \xed\xa0\x80", LineBreaks::Keep), "caf\\xe9 \\xed\\xa0\\x80");
    EXPECT_EQ(shownText("180\xc2\xb0 \xe2\x82\xac\ttab", LineBreaks::Keep), "180° €\ttab");
}

TEST(ShownText, LineBreaksAreKeptOrEscaped) {
    EXPECT_EQ(shownText("one\r\ntwo\rthree\nfour", LineBreaks::Keep), "one\ntwo\nthree\nfour");
    EXPECT_EQ(shownText("/tmp/a\r\nb", LineBreaks::Escape), "/tmp/a\\x0d\\x0ab");
}

TEST(ShownText, EveryCodePointThatDisguisesALineIsEscaped) {
    // U+202E turns "R62<RLO>txt.exe" into what reads as "R62exe.txt".
    EXPECT_EQ(shownText("R62\xe2\x80\xaetxt.exe", LineBreaks::Keep), "R62\\u202etxt.exe");
    std::string every;
    std::string expected;
    for (const CodePointRange& range : kDisguisingCodePoints) {
        for (char32_t c = range.first; c <= range.last; ++c) {
            if (c < 0x800) { // two bytes
                every += static_cast<char>(0xC0 | (c >> 6));
            } else {
                every += static_cast<char>(0xE0 | (c >> 12));
                every += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            }
            every += static_cast<char>(0x80 | (c & 0x3F));
            expected += escapedCodePoint(c);
        }
    }
    EXPECT_EQ(shownText(every, LineBreaks::Escape), expected);
    // The weaker direction marks are escaped as the overrides are.
    EXPECT_EQ(expected.substr(0, 18), "\\u061c\\u200e\\u200f");
    // Their neighbours are ordinary text: U+061B, U+200D, U+2027, U+202F, U+2065, U+206A.
    const std::string neighbours =
        "\xd8\x9b\xe2\x80\x8d\xe2\x80\xa7\xe2\x80\xaf\xe2\x81\xa5\xe2\x81\xaa";
    EXPECT_EQ(shownText(neighbours, LineBreaks::Keep), neighbours);
}

TEST(ShownText, EscapingTwiceChangesNothing) {
    const std::string shown = shownText("a\x1b\xe2\x80\xae\xff\r\nb", LineBreaks::Escape);
    EXPECT_EQ(shownText(shown, LineBreaks::Escape), shown);
    EXPECT_EQ(shownText(shown, LineBreaks::Keep), shown);
}

} // namespace
} // namespace tessaro::message
