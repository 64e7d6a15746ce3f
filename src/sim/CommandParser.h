// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits the byte stream from the host into the printer's commands, one byte at a time.
// A command takes exactly its argument bytes, whatever their values; a byte that starts no
// known command is skipped, and the parser waits for the next ESC, GS or CAN.

#include "protocol/CommandTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::sim {

enum class CommandKind {
    Parameter,     // one of the 28 parameter commands, GS B included
    Save,          // ESC s
    Identity,      // ESC I
    Status,        // ESC v
    ChipsetQuery,  // GS S C
    SettingsQuery, // GS S f FS
    Cancel,        // CAN
    WakeUp,        // a lone NUL
    Unknown,       // skipped bytes
};

struct Command {
    CommandKind kind = CommandKind::Unknown;
    std::string code;                          // the command bytes; for Unknown the skipped ones
    std::string argument;                      // the argument bytes of a parameter command
    const protocol::CommandRow* row = nullptr; // set for a parameter command
};

// The parameter command with this two-byte code (prefix + letter), or nullptr.
const protocol::CommandRow* parameterCommand(std::string_view code);

// How many argument bytes a parameter command takes: 2 (n1 n2, high first) or 1.
std::size_t argumentLength(const protocol::CommandRow& row);

// "GS s 07 E0", "ESC SP 00", "GS S f FS", "1B 71": the command as it came, for the log.
std::string commandText(const Command& command);

inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";
// Bytes as upper-case hex pairs, "07 E0"; with the separator "", "07E0".
std::string hexBytes(std::string_view bytes, std::string_view separator = " ");

class CommandParser {
  public:
    // Takes the next byte; returns the command it completes, if any.
    std::optional<Command> feed(char byte);
    void reset();
    bool idle() const { return pending_.empty(); }

  private:
    std::optional<Command> startCommand(char byte);
    std::optional<Command> takeArgument(char byte);
    std::optional<Command> extendHeader(char byte);

    std::string pending_;     // bytes of the command under way
    std::size_t missing_ = 0; // argument bytes still to come
    const protocol::CommandRow* row_ = nullptr;
};

} // namespace tessaro::sim
