// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/CommandParser.h"

#include <array>

namespace tessaro::sim {
namespace {

using protocol::CAN;
using protocol::ESC;
using protocol::FS;
using protocol::GS;

constexpr char NUL = 0x00;

struct Query {
    std::string_view code;
    CommandKind kind;
};

const std::array<Query, 5> kQueries{{
    {"\x1Bs", CommandKind::Save},
    {"\x1BI", CommandKind::Identity},
    {"\x1Bv", CommandKind::Status},
    {"\x1DS\x43", CommandKind::ChipsetQuery},
    {"\x1DS\x66\x1C", CommandKind::SettingsQuery},
}};

bool startsQuery(std::string_view bytes) {
    for (const Query& query : kQueries) {
        if (query.code.size() > bytes.size() && query.code.starts_with(bytes)) {
            return true;
        }
    }
    return false;
}

std::optional<CommandKind> queryKind(std::string_view bytes) {
    for (const Query& query : kQueries) {
        if (query.code == bytes) {
            return query.kind;
        }
    }
    return std::nullopt;
}

std::string byteName(char byte) {
    switch (byte) {
    case ESC:
        return "ESC";
    case GS:
        return "GS";
    case FS:
        return "FS";
    case CAN:
        return "CAN";
    case NUL:
        return "NUL";
    case ' ':
        return "SP";
    default:
        break;
    }
    return std::string(1, byte);
}

} // namespace

const protocol::CommandRow* parameterCommand(std::string_view code) {
    for (const protocol::CommandRow& row : protocol::commandTable()) {
        if (code.size() == 2 && code[0] == row.prefix && code[1] == row.letter) {
            return &row;
        }
    }
    return nullptr;
}

std::size_t argumentLength(const protocol::CommandRow& row) {
    return static_cast<std::size_t>(row.argumentBytes);
}

std::string hexBytes(std::string_view bytes, std::string_view separator) {
    std::string text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!text.empty()) {
            text += separator;
        }
        text += kHexDigits[value >> 4];
        text += kHexDigits[value & 0x0F];
    }
    return text;
}

std::string commandText(const Command& command) {
    if (command.kind == CommandKind::Unknown) {
        return hexBytes(command.code);
    }
    std::string text;
    for (const char byte : command.code) {
        text += (text.empty() ? "" : " ") + byteName(byte);
    }
    return command.argument.empty() ? text : text + " " + hexBytes(command.argument);
}

std::optional<Command> CommandParser::feed(char byte) {
    if (pending_.empty()) {
        return startCommand(byte);
    }
    return missing_ > 0 ? takeArgument(byte) : extendHeader(byte);
}

void CommandParser::reset() {
    pending_.clear();
    missing_ = 0;
    row_ = nullptr;
}

std::optional<Command> CommandParser::startCommand(char byte) {
    switch (byte) {
    case ESC:
    case GS:
        pending_ = std::string(1, byte);
        return std::nullopt;
    case CAN:
        return Command{CommandKind::Cancel, std::string(1, byte), {}, nullptr};
    case NUL:
        return Command{CommandKind::WakeUp, std::string(1, byte), {}, nullptr};
    default:
        return Command{CommandKind::Unknown, std::string(1, byte), {}, nullptr};
    }
}

std::optional<Command> CommandParser::takeArgument(char byte) {
    pending_ += byte;
    if (--missing_ > 0) {
        return std::nullopt;
    }
    Command command{CommandKind::Parameter, pending_.substr(0, 2), pending_.substr(2), row_};
    reset();
    return command;
}

std::optional<Command> CommandParser::extendHeader(char byte) {
    if (byte == CAN) {
        reset();
        return Command{CommandKind::Cancel, std::string(1, byte), {}, nullptr};
    }
    const std::string header = pending_ + byte;
    if (const auto kind = queryKind(header)) {
        reset();
        return Command{*kind, header, {}, nullptr};
    }
    if (const protocol::CommandRow* row = parameterCommand(header)) {
        pending_ = header;
        row_ = row;
        missing_ = argumentLength(*row);
        return std::nullopt;
    }
    if (startsQuery(header)) {
        pending_ = header;
        return std::nullopt;
    }
    // Not a command: skip what came so far; an ESC or GS starts the next one.
    const bool restart = byte == ESC || byte == GS;
    Command skipped{CommandKind::Unknown, restart ? pending_ : header, {}, nullptr};
    reset();
    if (restart) {
        pending_ = std::string(1, byte);
    }
    return skipped;
}

} // namespace tessaro::sim
