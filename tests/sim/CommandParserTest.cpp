// SPDX-License-Identifier: GPL-3.0-or-later
// The printer's byte-stream parser: exact argument lengths, resynchronisation and the text
// each decoded command is logged with.

#include "sim/CommandParser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaro::sim {
namespace {

using namespace std::string_literals;

// Each decoded command as "<kind>:<text>".
std::vector<std::string> parse(const std::string& bytes) {
    static const char* const kKinds[] = {"param",    "save",   "identity", "status", "chipset",
                                         "settings", "cancel", "wake",     "unknown"};
    CommandParser parser;
    std::vector<std::string> out;
    for (const char byte : bytes) {
        if (const auto command = parser.feed(byte)) {
            out.push_back(std::string(kKinds[static_cast<int>(command->kind)]) + ":" +
                          commandText(*command));
        }
    }
    return out;
}

// That each takes as many as a transmission sends is ParameterCoverage's test.
TEST(CommandParser, EveryParameterCommandTakesExactlyItsArgumentBytes) {
    for (const protocol::CommandRow& row : protocol::commandTable()) {
        SCOPED_TRACE(row.statusText);
        const bool twoBytes = argumentLength(row) == 2;
        // Argument bytes that look like command starts must stay arguments.
        const std::string argument = twoBytes ? "\x1B\x1D"s : "\x00"s;
        const auto commands = parse(row.code() + argument + "\x1Bv");
        ASSERT_EQ(commands.size(), 2u);
        EXPECT_TRUE(commands[0].starts_with("param:")) << commands[0];
        EXPECT_TRUE(commands[0].ends_with(twoBytes ? " 1B 1D" : " 00")) << commands[0];
        EXPECT_EQ(commands[1], "status:ESC v");
    }
}

struct StreamCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> commands;

    friend void PrintTo(const StreamCase& c, std::ostream* out) { *out << c.name; }
};

class ParserStream : public ::testing::TestWithParam<StreamCase> {};

TEST_P(ParserStream, DecodesTheStream) {
    EXPECT_EQ(parse(GetParam().bytes), GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(
    CommandParser, ParserStream,
    ::testing::Values(
        StreamCase{"queries",
                   "\x1Bs\x1BI\x1Bv\x1DSC\x1DSf\x1C"s,
                   {"save:ESC s", "identity:ESC I", "status:ESC v", "chipset:GS S C",
                    "settings:GS S f FS"}},
        StreamCase{"named_bytes", "\x1B \x05\x1D/\x18"s, {"param:ESC SP 05", "param:GS / 18"}},
        StreamCase{"wake_up_then_command", "\x00\x1D\x42\x84"s, {"wake:NUL", "param:GS B 84"}},
        StreamCase{"cancel_in_a_header",
                   "\x1D\x18\x1DS\x18\x1BI"s,
                   {"cancel:CAN", "cancel:CAN", "identity:ESC I"}},
        StreamCase{"stray_bytes", "AB\x1BI"s, {"unknown:41", "unknown:42", "identity:ESC I"}},
        StreamCase{"unknown_letter", "\x1Bq\x1Bv"s, {"unknown:1B 71", "status:ESC v"}},
        StreamCase{"escape_restarts", "\x1D\x1Bv"s, {"unknown:1D", "status:ESC v"}},
        StreamCase{"broken_query",
                   "\x1DSZ\x1DSf\x1D\x1DSC"s,
                   {"unknown:1D 53 5A", "unknown:1D 53 66", "unknown:1D", "chipset:GS S C"}},
        StreamCase{"unfinished_argument_waits", "\x1D\x73\x07"s, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::sim
