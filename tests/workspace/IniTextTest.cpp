// SPDX-License-Identifier: GPL-3.0-or-later
#include "workspace/IniText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaro::workspace {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::string expected;
};

TEST(IniTextRead, FindsValuesAsWindowsDoes) {
    const ReadCase cases[] = {
        {"names ignore case", "[Printer]\nDensity=5\n", "PRINTER", "density", "5"},
        {"blanks trimmed", " \t[ Printer ] \t\n\t Density\t=\t 5 x \t\n", "Printer", "Density",
         "5 x"},
        {"asked names trimmed", "[a]\nk=1\n", " a\t", " k ", "1"},
        {"value holds '='", "[a]\nk=x=y\n", "a", "k", "x=y"},
        {"first key wins", "[a]\nk=1\nk=2\n", "a", "k", "1"},
        {"first section wins", "[a]\nk=1\n[b]\n[A]\nk=2\n", "a", "k", "1"},
        {"later section ignored", "[a]\nx=1\n[b]\nk=2\n[a]\nk=3\n", "a", "k", ""},
        {"keys before a section", "k=1\n[a]\n", "a", "k", ""},
        {"comment", "[a]\n;k=1\n \t;k=2\nk=3\n", "a", "k", "3"},
        {"comment is no key", "[a]\n;k=1\n", "a", ";k", ""},
        {"line without '='", "[a]\nk\nk=2\n", "a", "k", "2"},
        {"empty key name", "[a]\n=1\n", "a", "", ""},
        {"name to first ']'", "[a]b]\nk=1\n", "a", "k", "1"},
        {"not past first ']'", "[a]b]\nk=1\n", "a]b", "k", ""},
        {"header without ']'", "[a b \nk=1\n", "a b", "k", "1"},
        {"double quotes", "[a]\nk=\" x \"\n", "a", "k", " x "},
        {"single quotes", "[a]\nk='x'\n", "a", "k", "x"},
        {"mismatched quotes", "[a]\nk=\"x'\n", "a", "k", "\"x'"},
        {"lone quote", "[a]\nk=\"\n", "a", "k", "\""},
        {"empty quotes", "[a]\nk=''\n", "a", "k", ""},
        {"mixed ends", "[b]\r\n[a]\nj=0\rk=1", "a", "k", "1"},
        {"byte order mark", "\xEF\xBB\xBF[a]\nk=1\n", "a", "k", "1"},
        {"mark not at start", "[b]\n\xEF\xBB\xBF[a]\nk=1\n", "a", "k", ""},
        {"empty text", "", "a", "k", ""},
        {"NUL is ordinary", "[a\0b]\nk\0=\0\n"s, "a\0b"s, "k\0"s, "\0"s},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(readIniKey(c.text, c.section, c.key), c.expected) << c.what;
    }
}

TEST(IniTextRead, CutsValuesTo254CharactersAfterUnquoting) {
    for (const std::size_t length : {253u, 254u, 255u, 100'000u}) {
        const std::string value(length, 'v');
        const std::string expected(std::min<std::size_t>(length, 254), 'v');
        EXPECT_EQ(readIniKey("[a]\nk=" + value, "a", "k"), expected) << length;
        EXPECT_EQ(readIniKey("[a]\nk=\"" + value + "\"", "a", "k"), expected) << length;
    }
}

TEST(IniTextRead, AnswersManyKeysInTheirOrder) {
    const std::vector<IniKeyRef> wanted = {{"b", "y"}, {"a", "x"}, {"a", "missing"},
                                           {"c", "x"}, {"A", "X"}, {"a", ""}};
    const auto values = readIniKeys("[a]\nx=1\n[b]\ny=2\n[a]\nmissing=3\n", wanted);
    EXPECT_EQ(values, (std::vector<std::string>{"2", "1", "", "", "1", ""}));
}

TEST(IniTextRead, FindsKeyAfterBinaryGarbageAndHugeInput) {
    std::string garbage;
    std::uint32_t state = 12345;
    for (int i = 0; i < 1'000'000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 24);
    }
    garbage += "\n[target]\nkey = found\n";
    EXPECT_EQ(readIniKey(garbage, "target", "key"), "found");
    EXPECT_EQ(readIniKey(writeIniKey(garbage, "target", "key", "new"), "target", "key"), "new");

    std::string lines;
    for (int i = 0; i < 5'000'000; ++i) {
        lines += "=\n";
    }
    EXPECT_EQ(readIniKey("[a]\n" + lines + "k=1\n", "a", "k"), "1");
}

struct WriteCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(IniTextWrite, EditsTheTextAsWindowsDoes) {
    const WriteCase cases[] = {
        {"empty text", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
        {"replace in place", "; top\n[a]\n; c\n K = 1 \nz=2\n\n[b]\nk=3\n", "A", "k", "9",
         "; top\r\n[a]\r\n; c\r\nK=9\r\nz=2\r\n\r\n[b]\r\nk=3\r\n"},
        {"first of duplicates", "[a]\nk=1\nk=2\n[a]\nk=3\n", "a", "k", "9",
         "[a]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n"},
        {"end of section", "[a]\nx=1\n; note\n\n[b]\ny=2\n", "a", "k", "v",
         "[a]\r\nx=1\r\nk=v\r\n; note\r\n\r\n[b]\r\ny=2\r\n"},
        {"section without keys", "[a]\n\n[b]\n", "a", "k", "v", "[a]\r\nk=v\r\n\r\n[b]\r\n"},
        {"new section", "[a]\r\nx=1\r\n", "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"no final line end", "[a]\nx=1", "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"CR only", "[a]\rk=1\r\r", "a", "k", "2", "[a]\r\nk=2\r\n\r\n"},
        {"key before sections kept", "k=1\n[a]\n", "a", "k", "2", "k=1\r\n[a]\r\nk=2\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[a]\n", "a", "k", "v", "\xEF\xBB\xBF[a]\r\nk=v\r\n"},
        {"names trimmed", "", " s ", " k ", " v", "[s]\r\nk= v\r\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(writeIniKey(c.before, c.section, c.key, c.value), c.after) << c.what;
    }
}

TEST(IniTextWrite, RefusesWhatCouldNotBeReadBack) {
    const std::string text = "[a]\nk=1\n";
    const char* const refused[][3] = {{"a", "k", "1\n[b]"}, {"a", "k", "1\r"}, {"a", "k=j", "1"},
                                      {"a", "", "1"},       {"a", ";k", "1"},  {"a", "[k", "1"},
                                      {"a]", "k", "1"},     {"a\n", "k", "1"}};
    for (const auto& [section, key, value] : refused) {
        EXPECT_EQ(writeIniKey(text, section, key, value), text) << section << '|' << key;
    }
}

} // namespace
} // namespace tessaro::workspace
